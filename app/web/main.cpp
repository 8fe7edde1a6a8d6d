// The game in the browser. The page has no threads: the expert's table is computed at its first
// use.
#include "app/game.h"
#include "app/web/access.h"

int main() {
    InstallAccess();
    return RunGame(false);
}
