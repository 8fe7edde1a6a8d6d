#include "app/game.h"
#include "champion/champion.h"
#include "expert/expert.h"
#include "platform/window.h"
#include "ui/app.h"

int32_t RunGame(bool tableInBackground) {
    if (!PlatformStart())
        return 1;
    InstallRobots();
    expertTableInBackground = tableInBackground;
    championOffThread = tableInBackground; // the same: where there are threads
    championInSlices = !tableInBackground;
    expertInSlices = !tableInBackground;
    const int32_t code = DyxelMain();
    PlatformStop();
    return code;
}
