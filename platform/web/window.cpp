// The two windows as the page shows them: the root window (a frame with the menu bar over a
// canvas) and the dice window (a floating panel with its command row, a canvas and five die
// canvases). The invalid areas are kept here, as bounding boxes, since a canvas keeps its
// pixels and the browser never asks for a repaint.
#include "platform/menu.h"
#include "platform/web/webplatform.h"
#include "res/resources.h"

namespace {

constexpr int32_t DICE_CLIENT_HEIGHT = 88;
constexpr int32_t DICE_ROW_WIDTH = 344; // five 64-pixel buttons 6 pixels apart

bool exists(WindowId w) {
    if (windows.rootGone)
        return false;
    return w == WINDOW_ROOT ? windows.rootCreated : w == WINDOW_DICE && windows.diceCreated;
}

bool empty(const Rect& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

Rect unite(const Rect& a, const Rect& b) {
    if (empty(a))
        return b;
    return Rect{a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
                a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
}

} // namespace

bool CreateRootWindow(const char* title, int32_t outerWidth, int32_t outerHeight) {
    if (windows.rootCreated || !RegisterWindowClasses())
        return false;
    for (int32_t i = 0; i < ROOT_MENU_COUNT; i++) {
        const MenuEntry& e = ROOT_MENU[i];
        dyxel_menu_add(e.depth, e.commandId, e.text, e.check ? 1 : 0);
    }
    dyxel_root_create(title, outerWidth, outerHeight);
    SetPageIcon();
    windows.rootCreated = true;
    if (platformEvents.rootCreate != nullptr)
        platformEvents.rootCreate();
    return true;
}

bool CreateDiceWindow(const char* title, int32_t x, int32_t y, int32_t outerWidth) {
    if (!exists(WINDOW_ROOT) || windows.diceCreated)
        return false;
    // The page gets a turn between the start-up's two halves, so neither blocks it for long.
    dyxel_wait(0, 0);
    for (int32_t i = 0; i < DICE_MENU_COUNT; i++)
        dyxel_dice_command_add(DICE_MENU[i].commandId, DICE_MENU[i].text);
    // The outer width is the window's; the client area keeps the whole row of dice.
    const int32_t clientWidth = outerWidth - 2 > DICE_ROW_WIDTH ? outerWidth - 2 : DICE_ROW_WIDTH;
    dyxel_dice_create(title, x, y, clientWidth, DICE_CLIENT_HEIGHT);
    windows.diceCreated = true;
    return true;
}

void SetMenuCheck(int32_t commandId, bool checked) {
    if (exists(WINDOW_ROOT))
        dyxel_menu_check(commandId, checked ? 1 : 0);
}

void SetMenuEnabled(int32_t commandId, bool enabled) {
    if (exists(WINDOW_ROOT))
        dyxel_menu_enable(commandId, enabled ? 1 : 0);
}

void SetDiceCommandHighlight(int32_t commandId, bool highlighted) {
    if (exists(WINDOW_DICE))
        dyxel_dice_highlight(commandId, highlighted ? 1 : 0);
}

void InvalidateArea(WindowId w, const Rect& r) {
    if (!exists(w) || empty(r))
        return;
    int32_t cw = 0, ch = 0;
    GetClientSize(w, &cw, &ch);
    const Rect clipped{r.left > 0 ? r.left : 0, r.top > 0 ? r.top : 0, r.right < cw ? r.right : cw,
                       r.bottom < ch ? r.bottom : ch};
    if (!empty(clipped))
        windows.invalid[w] = unite(windows.invalid[w], clipped);
}

void UpdateWindowNow(WindowId w) {
    if (!exists(w) || empty(windows.invalid[w]))
        return;
    void (*handler)() = w == WINDOW_ROOT ? platformEvents.rootPaint : platformEvents.dicePaint;
    if (handler != nullptr)
        handler();
    else
        ValidateWindow(w);
}

bool GetUpdateBounds(WindowId w, Rect* bounds) {
    const bool any = exists(w) && !empty(windows.invalid[w]);
    if (bounds != nullptr)
        *bounds = any ? windows.invalid[w] : Rect{0, 0, 0, 0};
    return any;
}

void ValidateWindow(WindowId w) {
    if (w == WINDOW_ROOT || w == WINDOW_DICE)
        windows.invalid[w] = Rect{0, 0, 0, 0};
}

void GetClientSize(WindowId w, int32_t* width, int32_t* height) {
    int32_t size[2] = {0, 0};
    if (exists(w))
        dyxel_client_size(w, size);
    if (width != nullptr)
        *width = size[0];
    if (height != nullptr)
        *height = size[1];
}

void ShowWindowNow(WindowId w) {
    if (!exists(w))
        return;
    if (w == WINDOW_ROOT) {
        dyxel_show(w, 1);
        int32_t cw = 0, ch = 0;
        GetClientSize(w, &cw, &ch);
        windows.invalid[w] = Rect{0, 0, cw, ch};
        UpdateWindowNow(w);
        return;
    }
    if (windows.diceShown)
        return;
    dyxel_show(w, 1);
    windows.diceShown = true;
    // Showing exposes all of it, as the window system would; the dice draw themselves at once.
    int32_t cw = 0, ch = 0;
    GetClientSize(w, &cw, &ch);
    windows.invalid[w] = Rect{0, 0, cw, ch};
    for (int32_t i = 0; i < 5 && !windows.rootGone; i++) {
        if (platformEvents.dieRedraw != nullptr)
            platformEvents.dieRedraw(i);
    }
}

void HideWindow(WindowId w) {
    if (!exists(w))
        return;
    dyxel_show(w, 0);
    if (w == WINDOW_DICE)
        windows.diceShown = false;
}

void SetWindowTitle(WindowId w, const char* text) {
    if (exists(w) && text != nullptr)
        dyxel_title(w, text);
}

void ActivateWindow(WindowId w) {
    if (exists(w) && (w == WINDOW_ROOT || windows.diceShown))
        dyxel_activate(w);
}

bool GetWindowRectInRoot(WindowId w, Rect* r) {
    int32_t box[4];
    if (!exists(w) || r == nullptr || dyxel_window_rect(w, box) == 0)
        return false;
    *r = Rect{box[0], box[1], box[2], box[3]};
    return true;
}
