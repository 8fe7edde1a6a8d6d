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

// Null-safe calls, so the logic never checks the table itself. Inline: the robot makes a score
// of them every turn, most of them null in the simulator.
inline void RequestPaint(int32_t request) {
    if (frontEnd.requestPaint)
        frontEnd.requestPaint(request);
}
inline void HookEraseCommittedCell(int32_t player, int32_t row) {
    if (frontEnd.eraseCommittedCell)
        frontEnd.eraseCommittedCell(player, row);
}
inline void HookShowDiceWindow() {
    if (frontEnd.showDiceWindow)
        frontEnd.showDiceWindow();
}
inline void HookSetDiceTitle(int32_t player, int32_t count) {
    if (frontEnd.setDiceTitle)
        frontEnd.setDiceTitle(player, count);
}
inline void HookRedrawDice() {
    if (frontEnd.redrawDice)
        frontEnd.redrawDice();
}
inline void HookReleaseDie(int32_t die) {
    if (frontEnd.releaseDie)
        frontEnd.releaseDie(die);
}
inline void HookAlikeModeOff() {
    if (frontEnd.alikeModeOff)
        frontEnd.alikeModeOff();
}
inline void HookApplyAlike() {
    if (frontEnd.applyAlike)
        frontEnd.applyAlike();
}
inline void HookHideDiceWindow() {
    if (frontEnd.hideDiceWindow)
        frontEnd.hideDiceWindow();
}
inline void HookDrawCornerBoxLogo() {
    if (frontEnd.drawCornerBoxLogo)
        frontEnd.drawCornerBoxLogo();
}
inline void HookActivateRootWindow() {
    if (frontEnd.activateRootWindow)
        frontEnd.activateRootWindow();
}
inline void HookPause(int32_t milliseconds) {
    if (frontEnd.pause)
        frontEnd.pause(milliseconds);
}
inline void HookSendCommitRequest() {
    if (frontEnd.sendCommitRequest)
        frontEnd.sendCommitRequest();
}
