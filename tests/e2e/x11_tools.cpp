#include "tests/e2e/x11_tools.h"
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cstring>

namespace {

// Searches the tree below parent; without a window manager the frames are root's children.
Window FindBelow(Display* d, Window parent, const char* title, int depth) {
    Window root = 0, up = 0, *children = nullptr;
    unsigned int n = 0;
    if (depth > 3 || !XQueryTree(d, parent, &root, &up, &children, &n))
        return 0;
    Window found = 0;
    for (unsigned int i = 0; i < n && found == 0; i++) {
        char* name = nullptr;
        if (XFetchName(d, children[i], &name) && name != nullptr) {
            if (std::strcmp(name, title) == 0)
                found = children[i];
            XFree(name);
        }
        if (found == 0)
            found = FindBelow(d, children[i], title, depth + 1);
    }
    if (children != nullptr)
        XFree(children);
    return found;
}

} // namespace

unsigned long FindWindowByTitle(const char* title) {
    Display* d = XOpenDisplay(nullptr);
    if (d == nullptr)
        return 0;
    const Window w = FindBelow(d, DefaultRootWindow(d), title, 0);
    XCloseDisplay(d);
    return w;
}

bool SendCloseRequest(unsigned long window) {
    Display* d = XOpenDisplay(nullptr);
    if (d == nullptr || window == 0) {
        if (d != nullptr)
            XCloseDisplay(d);
        return false;
    }
    XEvent e;
    std::memset(&e, 0, sizeof e);
    e.xclient.type = ClientMessage;
    e.xclient.window = window;
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(d, window, False, NoEventMask, &e);
    XSync(d, False);
    XCloseDisplay(d);
    return sent != 0;
}

bool ResizeFromOutside(unsigned long window, int width, int height) {
    Display* d = XOpenDisplay(nullptr);
    if (d == nullptr)
        return false;
    const bool ok = window != 0 && XResizeWindow(d, window, static_cast<unsigned>(width),
                                                 static_cast<unsigned>(height)) != 0;
    XSync(d, False);
    XCloseDisplay(d);
    return ok;
}
