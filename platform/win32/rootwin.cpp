// The two window classes and the root window: its menu bar from the resources, and its
// messages handed to the game.
#include "platform/menu.h"
#include "platform/msgbox.h"
#include "platform/win32/w32platform.h"
#include "res/resources.h"

PlatformEvents platformEvents;

LRESULT CALLBACK DiceWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

namespace {

int32_t X(LPARAM lParam) {
    return LOWORD(lParam);
}
int32_t Y(LPARAM lParam) {
    return HIWORD(lParam);
}

LRESULT CALLBACK RootWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const PlatformEvents& e = platformEvents;
    switch (message) {
    case WM_CREATE:
        win.root = hwnd; // first: the handler sets the menu's check marks through it
        CallHandler(e.rootCreate);
        return 0;
    case WM_CLOSE:
        // Inside a pause, a modal box or the dialog, the game still runs a handler below us.
        if (CloseMustWait()) {
            RequestQuitLater();
            return 0;
        }
        break;
    case WM_DESTROY:
        CallHandler(e.rootDestroy);
        win.rootGone = true;
        PostQuitMessage(0);
        return 0;
    case WM_PAINT:
        if (e.rootPaint == nullptr || win.rootGone)
            break;
        CallHandler(e.rootPaint);
        // A paint handler that found nothing to do leaves nothing invalid behind.
        ValidateRect(hwnd, nullptr);
        return 0;
    case WM_LBUTTONDOWN:
        CallHandler(e.rootLeftDown, X(lParam), Y(lParam));
        return 0;
    case WM_LBUTTONDBLCLK:
        CallHandler(e.rootLeftDoubleClick, X(lParam), Y(lParam));
        return 0;
    case WM_RBUTTONDOWN:
        CallHandler(e.rootRightDown, X(lParam), Y(lParam));
        return 0;
    case WM_COMMAND:
        if (lParam == 0) // menus and accelerators; controls have none here
            CallHandler(e.rootCommand, static_cast<int32_t>(LOWORD(wParam)));
        return 0;
    case WM_KEYDOWN:
    case WM_CHAR:
        if (const int32_t key = PlatformKeyOf(message, wParam)) {
            CallHandler(e.rootKey, key);
            return 0;
        }
        break;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        // The session ends without the normal shutdown: what it would save is saved now.
        if (wParam != 0 && e.sessionEnding != nullptr)
            e.sessionEnding();
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void ErrorBox(const char* text) {
    ShowMessageBox(text, "error", MBOX_OK, MBOX_ICON_NONE, false);
}

} // namespace

HWND WindowHandle(WindowId w) {
    if (win.rootGone)
        return nullptr;
    return w == WINDOW_ROOT ? win.root : w == WINDOW_DICE ? win.dice : nullptr;
}

bool RegisterWindowClasses() {
    WNDCLASSA wc{};
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = RootWindowProc;
    wc.hInstance = win.instance;
    wc.hIcon = LoadIconA(win.instance, MAKEINTRESOURCEA(IDI_APP_ICON));
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszMenuName = "IDM_MENU";
    wc.lpszClassName = "RootClass";
    if (RegisterClassA(&wc) == 0) {
        ErrorBox("can't create root class!");
        return false;
    }
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DiceWindowProc;
    wc.lpszMenuName = "IDD_MENU";
    wc.lpszClassName = "DiceClass";
    if (RegisterClassA(&wc) == 0) {
        ErrorBox("can't create dice class!");
        return false;
    }
    RegisterHelpClass();
    return true;
}

bool CreateRootWindow(const char* title, int32_t outerWidth, int32_t outerHeight) {
    if (win.root != nullptr)
        return false;
    win.rootGone = false;
    // The creation handler runs inside this call, with the class menu in place.
    HWND root =
        CreateWindowExA(0, "RootClass", title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                        outerWidth, outerHeight, nullptr, nullptr, win.instance, nullptr);
    win.root = root;
    return root != nullptr;
}

void SetMenuCheck(int32_t commandId, bool checked) {
    if (win.root == nullptr || win.rootGone)
        return;
    CheckMenuItem(GetMenu(win.root), static_cast<UINT>(commandId),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void SetMenuEnabled(int32_t commandId, bool enabled) {
    if (win.root == nullptr || win.rootGone)
        return;
    EnableMenuItem(GetMenu(win.root), static_cast<UINT>(commandId),
                   MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void CloseRootWindow() {
    if (win.root != nullptr && !win.rootGone)
        SendMessageA(win.root, WM_CLOSE, 0, 0);
}
