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
template <typename Fn, typename... Args> inline void CallHook(Fn fn, Args... args) {
    if (fn)
        fn(args...);
}
inline void RequestPaint(int32_t request) {
    CallHook(frontEnd.requestPaint, request);
}
inline void HookEraseCommittedCell(int32_t player, int32_t row) {
    CallHook(frontEnd.eraseCommittedCell, player, row);
}
inline void HookShowDiceWindow() {
    CallHook(frontEnd.showDiceWindow);
}
inline void HookSetDiceTitle(int32_t player, int32_t count) {
    CallHook(frontEnd.setDiceTitle, player, count);
}
inline void HookRedrawDice() {
    CallHook(frontEnd.redrawDice);
}
inline void HookReleaseDie(int32_t die) {
    CallHook(frontEnd.releaseDie, die);
}
inline void HookAlikeModeOff() {
    CallHook(frontEnd.alikeModeOff);
}
inline void HookApplyAlike() {
    CallHook(frontEnd.applyAlike);
}
inline void HookHideDiceWindow() {
    CallHook(frontEnd.hideDiceWindow);
}
inline void HookDrawCornerBoxLogo() {
    CallHook(frontEnd.drawCornerBoxLogo);
}
inline void HookActivateRootWindow() {
    CallHook(frontEnd.activateRootWindow);
}
inline void HookPause(int32_t milliseconds) {
    CallHook(frontEnd.pause, milliseconds);
}
inline void HookSendCommitRequest() {
    CallHook(frontEnd.sendCommitRequest);
}
