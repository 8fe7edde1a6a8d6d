// The window operations the game makes on the root and dice windows: invalid areas, the paint
// handler run on demand, sizes, showing, titles.
#include "platform/win32/w32platform.h"

void InvalidateArea(WindowId w, const Rect& r) {
    HWND hwnd = WindowHandle(w);
    if (hwnd == nullptr || r.right <= r.left || r.bottom <= r.top)
        return;
    HRGN region = CreateRectRgn(r.left, r.top, r.right, r.bottom);
    InvalidateRgn(hwnd, region, FALSE);
    DeleteObject(region);
}

void UpdateWindowNow(WindowId w) {
    if (HWND hwnd = WindowHandle(w))
        UpdateWindow(hwnd);
}

bool GetUpdateBounds(WindowId w, Rect* bounds) {
    RECT rc{};
    HWND hwnd = WindowHandle(w);
    const bool any = hwnd != nullptr && GetUpdateRect(hwnd, &rc, FALSE) != 0;
    if (!any)
        rc = RECT{};
    if (bounds != nullptr)
        *bounds = Rect{rc.left, rc.top, rc.right, rc.bottom};
    return any;
}

void ValidateWindow(WindowId w) {
    if (HWND hwnd = WindowHandle(w))
        ValidateRgn(hwnd, nullptr);
}

void GetClientSize(WindowId w, int32_t* width, int32_t* height) {
    RECT rc{};
    if (HWND hwnd = WindowHandle(w))
        GetClientRect(hwnd, &rc);
    if (width != nullptr)
        *width = rc.right - rc.left;
    if (height != nullptr)
        *height = rc.bottom - rc.top;
}

void ShowWindowNow(WindowId w) {
    // The root window comes up as a normal window, whatever the program was started with.
    if (HWND hwnd = WindowHandle(w))
        ShowWindow(hwnd, w == WINDOW_ROOT ? SW_SHOWNORMAL : SW_SHOWDEFAULT);
}

void HideWindow(WindowId w) {
    if (HWND hwnd = WindowHandle(w))
        ShowWindow(hwnd, SW_HIDE);
}

void SetWindowTitle(WindowId w, const char* text) {
    if (HWND hwnd = WindowHandle(w))
        SetWindowTextA(hwnd, text);
}

void ActivateWindow(WindowId w) {
    if (HWND hwnd = WindowHandle(w); hwnd != nullptr && IsWindowVisible(hwnd))
        SetActiveWindow(hwnd);
}

bool GetWindowRectInRoot(WindowId w, Rect* r) {
    HWND hwnd = WindowHandle(w);
    if (hwnd == nullptr || win.root == nullptr || r == nullptr)
        return false;
    RECT rc;
    GetWindowRect(hwnd, &rc);
    POINT corners[2] = {{rc.left, rc.top}, {rc.right, rc.bottom}};
    ScreenToClient(win.root, &corners[0]);
    ScreenToClient(win.root, &corners[1]);
    *r = Rect{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    return true;
}
