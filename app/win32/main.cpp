// The game on Windows. The command line has no effect.
#include "app/game.h"
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return RunGame(true);
}
