// The game on Linux. The command line has no effect, and the toolkit is not handed it either.
#include "app/game.h"

int main() {
    return RunGame(true);
}
