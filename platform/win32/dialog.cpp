// The modal new-player dialog from its template 2200; its rules live in the game, this runs it
// and reaches its controls.
#include "platform/dialog.h"
#include "platform/win32/w32platform.h"

namespace {

constexpr int32_t PLAYER_DIALOG = 2200;

INT_PTR CALLBACK NewPlayerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        win.dialog = dialog;
        CallHandler(platformEvents.dialogInit);
        return TRUE;
    case WM_COMMAND:
        // Every command is the game's, Escape's cancel among them (which it ignores).
        CallHandler(platformEvents.dialogCommand, static_cast<int32_t>(LOWORD(wParam)));
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

int32_t RunPlayerDialog() {
    if (win.dialog != nullptr || win.root == nullptr || win.rootGone)
        return 0;
    handlerDepth++;
    const INT_PTR result = DialogBoxParamA(win.instance, MAKEINTRESOURCEA(PLAYER_DIALOG), win.root,
                                           NewPlayerDialogProc, 0);
    handlerDepth--;
    win.dialog = nullptr;
    return result < 0 ? 0 : static_cast<int32_t>(result);
}

void EndPlayerDialog(int32_t result) {
    if (win.dialog != nullptr)
        EndDialog(win.dialog, result);
}

void BringDialogToFront() {
    if (win.dialog != nullptr)
        SetForegroundWindow(win.dialog);
}

int32_t GetDialogEditText(char* buffer, int32_t capacity) {
    if (buffer == nullptr || capacity <= 0)
        return 0;
    buffer[0] = '\0';
    if (win.dialog == nullptr)
        return 0;
    return static_cast<int32_t>(GetDlgItemTextA(win.dialog, IDC_NAME_EDIT, buffer, capacity));
}

void SetDialogEditText(const char* text) {
    if (win.dialog != nullptr)
        SetDlgItemTextA(win.dialog, IDC_NAME_EDIT, text);
}

void FocusDialogEdit() {
    if (win.dialog != nullptr)
        SetFocus(GetDlgItem(win.dialog, IDC_NAME_EDIT));
}

bool IsDialogRobotChecked() {
    return win.dialog != nullptr && IsDlgButtonChecked(win.dialog, IDC_ROBOT_CHECK) == BST_CHECKED;
}

void SetDialogRobotChecked(bool checked) {
    if (win.dialog != nullptr)
        CheckDlgButton(win.dialog, IDC_ROBOT_CHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

void AddDialogListItem(const char* text) {
    if (win.dialog != nullptr)
        SendDlgItemMessageA(win.dialog, IDC_NAME_LIST, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(text));
}
