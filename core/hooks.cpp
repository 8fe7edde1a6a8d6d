#include "core/hooks.h"

FrontEndHooks frontEnd;

namespace {
template <typename Fn, typename... Args> void call(Fn fn, Args... args) {
    if (fn)
        fn(args...);
}
} // namespace

void RequestPaint(int32_t request) {
    call(frontEnd.requestPaint, request);
}
void HookEraseCommittedCell(int32_t player, int32_t row) {
    call(frontEnd.eraseCommittedCell, player, row);
}
void HookShowDiceWindow() {
    call(frontEnd.showDiceWindow);
}
void HookSetDiceTitle(int32_t player, int32_t count) {
    call(frontEnd.setDiceTitle, player, count);
}
void HookRedrawDice() {
    call(frontEnd.redrawDice);
}
void HookReleaseDie(int32_t die) {
    call(frontEnd.releaseDie, die);
}
void HookAlikeModeOff() {
    call(frontEnd.alikeModeOff);
}
void HookApplyAlike() {
    call(frontEnd.applyAlike);
}
void HookHideDiceWindow() {
    call(frontEnd.hideDiceWindow);
}
void HookDrawCornerBoxLogo() {
    call(frontEnd.drawCornerBoxLogo);
}
void HookActivateRootWindow() {
    call(frontEnd.activateRootWindow);
}
void HookPause(int32_t milliseconds) {
    call(frontEnd.pause, milliseconds);
}
void HookSendCommitRequest() {
    call(frontEnd.sendCommitRequest);
}
