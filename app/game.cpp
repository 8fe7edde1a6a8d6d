#include "app/game.h"
#include "expert/expert.h"
#include "platform/window.h"
#include "ui/app.h"

int32_t RunGame(bool tableInBackground) {
    if (!PlatformStart())
        return 1;
    InstallRobots();
    startExpertTable(tableInBackground);
    const int32_t code = DyxelMain();
    PlatformStop();
    return code;
}
