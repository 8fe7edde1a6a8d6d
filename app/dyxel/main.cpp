// The game's entry: start the toolkit, run the game, shut the toolkit down.
#include "platform/window.h"
#include "platform/wx/start.h"
#include "ui/app.h"

int main(int argc, char** argv) {
    if (!PlatformStart(argc, argv))
        return 1;
    const int32_t code = DyxelMain();
    PlatformStop();
    return code;
}
