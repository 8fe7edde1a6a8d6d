// The game in the browser. The page has no threads: the expert's table is computed at its first
// use.
#include "app/game.h"

int main() {
    return RunGame(false);
}
