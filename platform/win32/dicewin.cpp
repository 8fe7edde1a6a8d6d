// The dice window: caption only, owned by the root window, with the commands of IDD_MENU on
// its menu bar and five owner-drawn die buttons.
#include "platform/menu.h"
#include "platform/win32/w32platform.h"

namespace {

constexpr int32_t FIRST_DIE_ID = 2101;
constexpr int32_t DIE_SIZE = 64;
constexpr int32_t DIE_PITCH = 70;
constexpr int32_t CLIENT_EXTRA_HEIGHT = 88;

WNDPROC buttonProc = nullptr;

// A die button hands the keys the game takes to the dice window, and takes the second press
// of a double click as one more press, as a push button does.
LRESULT CALLBACK DieButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDBLCLK)
        message = WM_LBUTTONDOWN;
    else if ((message == WM_KEYDOWN || message == WM_CHAR) && PlatformKeyOf(message, wParam) != 0)
        return SendMessageA(GetParent(hwnd), message, wParam, lParam);
    return CallWindowProcA(buttonProc, hwnd, message, wParam, lParam);
}

void CreateDieButtons(HWND dice) {
    for (int32_t i = 0; i < 5; i++) {
        HWND button = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW,
                                      DIE_PITCH * i, 0, DIE_SIZE, DIE_SIZE, dice,
                                      reinterpret_cast<HMENU>(INT_PTR{FIRST_DIE_ID + i}),
                                      win.instance, nullptr);
        win.dieButtons[i] = button;
        if (button == nullptr)
            continue;
        const auto previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DieButtonProc)));
        if (buttonProc == nullptr)
            buttonProc = previous;
    }
}

// The button is drawn pressed (mouse, Space or a click sent to it): that press toggles the
// die, once; every other drawing only shows it.
void OnDrawItem(const DRAWITEMSTRUCT& item) {
    const auto die = static_cast<int32_t>(item.CtlID) - FIRST_DIE_ID;
    if (die < 0 || die > 4)
        return;
    if (item.itemAction == ODA_SELECT && (item.itemState & ODS_SELECTED) != 0)
        CallHandler(platformEvents.diePressed, die);
    else
        CallHandler(platformEvents.dieRedraw, die);
}

} // namespace

LRESULT CALLBACK DiceWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const PlatformEvents& e = platformEvents;
    switch (message) {
    case WM_CREATE:
        win.dice = hwnd;
        CreateDieButtons(hwnd);
        return 0;
    case WM_CLOSE:
        // The window has no close box, and Alt+F4 on it must not end the game: it goes with the
        // root window only.
        return 0;
    case WM_DESTROY:
        win.dice = nullptr;
        for (HWND& button : win.dieButtons)
            button = nullptr;
        PostQuitMessage(0);
        return 0;
    case WM_PAINT: {
        // The class brush fills what the dice and the grey strip leave.
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        CallHandler(e.dicePaint);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_DRAWITEM:
        OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        // The menu bar's commands; the die buttons' own notifications are not commands.
        if (lParam != 0)
            return 0;
        CallHandler(e.diceCommand, static_cast<int32_t>(LOWORD(wParam)));
        return 0;
    case WM_LBUTTONDBLCLK:
        CallHandler(e.diceDoubleClick);
        return 0;
    case WM_KEYDOWN:
    case WM_CHAR:
        if (const int32_t key = PlatformKeyOf(message, wParam)) {
            CallHandler(e.diceKey, key);
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool CreateDiceWindow(const char* title, int32_t x, int32_t y, int32_t outerWidth) {
    if (win.root == nullptr || win.rootGone || win.dice != nullptr)
        return false;
    const int32_t outerHeight =
        GetSystemMetrics(SM_CYMINTRACK) + GetSystemMetrics(SM_CYMENU) + CLIENT_EXTRA_HEIGHT;
    HWND dice = CreateWindowExA(0, "DiceClass", title, WS_CAPTION, x, y, outerWidth, outerHeight,
                                win.root, nullptr, win.instance, nullptr);
    win.dice = dice;
    return dice != nullptr;
}

// The item's own highlight state, as HiliteMenuItem keeps it on Windows; set directly, because
// wine's HiliteMenuItem only ever selects the item and cannot take the highlight away.
void SetDiceCommandHighlight(int32_t commandId, bool highlighted) {
    HMENU bar = win.dice != nullptr && !win.rootGone ? GetMenu(win.dice) : nullptr;
    if (bar == nullptr)
        return;
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STATE;
    if (!GetMenuItemInfoA(bar, static_cast<UINT>(commandId), FALSE, &item))
        return;
    item.fState = highlighted ? (item.fState | MFS_HILITE) : (item.fState & ~MFS_HILITE);
    SetMenuItemInfoA(bar, static_cast<UINT>(commandId), FALSE, &item);
    DrawMenuBar(win.dice);
}
