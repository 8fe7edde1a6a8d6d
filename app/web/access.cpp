// The page's accessible twin follows the game: each time the game waits, with everything drawn,
// the screen is read in words, and what changed since the last look is handed over to be said.
#include "app/web/access.h"
#include "platform/web/webplatform.h"
#include "ui/access.h"

namespace {

AccessView last;

void look() {
    static char state[4096];
    static char said[1024];
    AccessView now;
    CaptureAccessView(&now);
    FormatAccessView(now, state, sizeof state);
    DescribeAccessChange(last, now, said, sizeof said);
    last = now;
    dyxel_access(state, said);
}

} // namespace

void InstallAccess() {
    beforeWait = look;
}
