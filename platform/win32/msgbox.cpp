// Message boxes: the system's own, with Swedish Yes and No buttons whatever the system's
// language, relabelled by a hook as the box comes up.
#include "platform/msgbox.h"
#include "platform/win32/w32platform.h"

namespace {

HHOOK relabelHook = nullptr;

LRESULT CALLBACK RelabelYesNo(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        auto box = reinterpret_cast<HWND>(wParam);
        char cls[16] = {};
        GetClassNameA(box, cls, sizeof cls);
        if (lstrcmpA(cls, "#32770") == 0 && GetDlgItem(box, IDYES) != nullptr) {
            SetDlgItemTextA(box, IDYES, "&Ja");
            SetDlgItemTextA(box, IDNO, "&Nej");
        }
    }
    return CallNextHookEx(relabelHook, code, wParam, lParam);
}

} // namespace

int ShowMessageBox(const char* text, const char* caption, int style, int icon, bool owned) {
    const bool yesNo = style == MBOX_YESNO;
    UINT flags = yesNo ? MB_YESNO : MB_OK;
    if (icon == MBOX_ICON_STOP)
        flags |= MB_ICONHAND;
    else if (icon == MBOX_ICON_INFORMATION)
        flags |= MB_ICONINFORMATION;
    HWND owner = nullptr;
    if (owned && !win.rootGone) {
        // Over the player dialog while it is open, so that the box is not hidden behind it.
        owner = win.dialog != nullptr ? win.dialog : win.root;
    }
    if (owner == nullptr)
        flags |= MB_TASKMODAL; // the game's other windows still wait for the answer
    HHOOK hook = nullptr;
    if (yesNo && relabelHook == nullptr) {
        hook = SetWindowsHookExA(WH_CBT, RelabelYesNo, nullptr, GetCurrentThreadId());
        relabelHook = hook;
    }
    handlerDepth++;
    const int answer = MessageBoxA(owner, text, caption, flags);
    handlerDepth--;
    if (hook != nullptr) {
        UnhookWindowsHookEx(hook);
        relabelHook = nullptr;
    }
    if (!yesNo)
        return MBOX_ANSWER_OK;
    // Anything but Yes is No: wine answers Escape on a Yes/No box, which Windows ignores.
    return answer == IDYES ? MBOX_ANSWER_YES : MBOX_ANSWER_NO;
}
