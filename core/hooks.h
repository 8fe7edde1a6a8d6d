// The few things the game logic asks of the windows. The front end fills the table at start-up;
// every entry may stay null, which makes the call a no-op (the simulator, most tests).
#pragma once
#include <cstdint>

enum PaintRequest : int32_t {
    PAINT_ALL = 0,
    PAINT_SHEET = 1,
    PAINT_DICE_STRIP = 2,
    PAINT_TOP_TEN = 3,
    PAINT_CORNER_BOX = 4,
};

struct FrontEndHooks {
    // The commit erases the committed cell and takes the preview away.
    void (*eraseCommittedCell)(int32_t player, int32_t row);
    void (*requestPaint)(int32_t request);
    void (*showDiceWindow)();
    void (*setDiceTitle)(int32_t player, int32_t count);
    void (*redrawDice)();
    void (*releaseDie)(int32_t die);
    void (*alikeModeOff)();
    void (*applyAlike)();
    void (*hideDiceWindow)();
    void (*drawCornerBoxLogo)();
    void (*activateRootWindow)();
    void (*pause)(int32_t milliseconds);
    // The robot's end-of-turn message to the root window.
    void (*sendCommitRequest)();
};

extern FrontEndHooks frontEnd;

// Null-safe calls, so the logic never checks the table itself.
void RequestPaint(int32_t request);
void HookEraseCommittedCell(int32_t player, int32_t row);
void HookShowDiceWindow();
void HookSetDiceTitle(int32_t player, int32_t count);
void HookRedrawDice();
void HookReleaseDie(int32_t die);
void HookAlikeModeOff();
void HookApplyAlike();
void HookHideDiceWindow();
void HookDrawCornerBoxLogo();
void HookActivateRootWindow();
void HookPause(int32_t milliseconds);
void HookSendCommitRequest();
