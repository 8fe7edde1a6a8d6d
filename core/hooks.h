// What the game logic asks of the parts above it. Two tables of plain function pointers, filled
// at start-up by whoever runs the game (the windowed game, the simulator, a test); a null entry
// makes the call a no-op.
#pragma once
#include "core/game.h"
#include <cstdint>
#include <utility>

enum PaintRequest : int32_t {
    PAINT_ALL = 0,
    PAINT_SHEET = 1,
    PAINT_DICE_STRIP = 2,
    PAINT_TOP_TEN = 3,
    PAINT_CORNER_BOX = 4,
};

// The windows.
struct FrontEndHooks {
    // The commit erases the committed cell and takes the preview away.
    void (*eraseCommittedCell)(int32_t player, int32_t row);
    void (*requestPaint)(int32_t request);
    void (*showDiceWindow)();
    void (*setDiceTitle)(int32_t player, int32_t count);
    // The dice window shows `face` and `held` as they are now.
    void (*redrawDice)();
    // Hold-alike mode has been switched off: "&Lika" is shown normal.
    void (*alikeModeOff)();
    void (*hideDiceWindow)();
    void (*drawCornerBoxLogo)();
    void (*activateRootWindow)();
    void (*pause)(int32_t milliseconds);
    // The robot's end-of-turn message to the root window.
    void (*sendCommitRequest)();
};
extern FrontEndHooks frontEnd;

// A robot strategy: the holds after each throw and the row written after the third. The pacing
// of a robot's turn (throws, paints, sounds, pauses, the hand-over) is the same for every one.
struct RobotStrategy {
    void (*plan)(DiceThrow& dice, int32_t throwNumber);
    int32_t (*chooseRow)(DiceThrow& dice); // a free row of the current player
};

enum RobotKind : int32_t {
    ROBOT_HEURISTIC = 0, // the greedy ranking the game has always had
    ROBOT_EXPERT = 1,    // optimal play, while "&Expert" is on
    ROBOT_CHAMPION = 2,  // play to win, while "&Mästare" is on
    ROBOT_KINDS = 3,
};

// A seat's own kind, for the simulator's mixed tables; -1, as every seat of the game has it,
// follows the options.
extern int32_t seatRobotKind[MAX_SLOTS];
// The kind a robot at this seat plays: its own, else "&Mästare"'s or "&Expert"'s when on, else
// the heuristic.
RobotKind RobotKindOf(int32_t player);

// The robots, the sound cues and the top-ten list.
struct GameServices {
    void (*robotTurn)(DiceThrow& dice); // a robot player's whole turn
    RobotStrategy robots[ROBOT_KINDS];
    void (*playThrowSound)();
    void (*playFiveOfAKindSound)();
    void (*playBonusSound)();
    void (*playCrossOutSound)();
    // Every player's "Total" offered to the top-ten list, in slot order.
    void (*offerResults)();
};
extern GameServices services;

// The strategy the current player plays: that of its kind when installed, a champion missing
// falls back to the expert, an expert missing to the heuristic.
const RobotStrategy& CurrentRobotStrategy();

// Null-safe calls, so the logic never checks the tables itself. The cues reach sound/. Inline: the
// robot makes a score of them every turn, most of them null in the simulator.
template <typename Fn, typename... Args> inline void CallHook(Fn fn, Args&&... args) {
    if (fn)
        fn(std::forward<Args>(args)...);
}
inline void RequestPaint(int32_t request) {
    CallHook(frontEnd.requestPaint, request);
}
inline void CueThrowSound() {
    CallHook(services.playThrowSound);
}
inline void CueFiveOfAKindSound() {
    CallHook(services.playFiveOfAKindSound);
}
inline void CueBonusSound() {
    CallHook(services.playBonusSound);
}
inline void CueCrossOutSound() {
    CallHook(services.playCrossOutSound);
}
