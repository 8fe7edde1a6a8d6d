#include "bench/games.h"
#include "app/game.h"
#include "core/hooks.h"
#include "core/random.h"
#include "core/settings.h"
#include "core/turn.h"
#include "platform/msgbox.h"
#include "platform/system.h"
#include "sound/sound.h"
#include "store/settings.h"

namespace {

Settings benchSettings;
DiceThrow benchDice;
uint32_t benchTime = 1700000000;

uint32_t nextTime() {
    return benchTime++;
}

} // namespace

void SetUpRobotGames(int32_t robots, bool expert) {
    SetDefaultSettings(&benchSettings);
    settings = &benchSettings;
    extraSettings.expertRobots = expert ? 1 : 0;
    gameState = GameState{};
    gameState.maxPlayers = MAX_SLOTS;
    gameState.dice = &benchDice;
    gameState.playerCount = robots;
    for (int32_t p = 0; p < robots; p++) {
        gameState.players[p].name[0] = 'R';
        gameState.players[p].name[1] = static_cast<char>('1' + p);
        gameState.players[p].isRobot = 1;
    }
    frontEnd = FrontEndHooks{};
    frontEnd.sendCommitRequest = completeTurn;
    services = GameServices{};
    InstallRobots();
    InstallSoundCues();
    calendarTime = nextTime;
}

// A null platform, as in the simulator without its trace.
int ShowMessageBox(const char*, const char*, int, int, bool) {
    return MBOX_ANSWER_OK;
}
bool PlatformPlaySound(int32_t) {
    return true;
}
