// The message loop, which waits for messages, and the pause that keeps the windows painted
// while a robot plays.
#include "platform/system.h"
#include "platform/win32/w32platform.h"
#include <mmsystem.h>

Win32Windows win;
int32_t handlerDepth = 0;

namespace {

int32_t pauseDepth = 0;
bool quitRequested = false;

// Messages a pause serves: painting, and the window system's requests (a close among them).
// Input, commands and the quit message wait for the loop.
bool ServeOneDuringPause() {
    MSG msg;
    if (PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE) ||
        PeekMessageA(&msg, nullptr, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE)) {
        DispatchMessageA(&msg);
        return true;
    }
    return false;
}

} // namespace

bool PlatformStart() {
    win = Win32Windows{};
    win.instance = GetModuleHandleA(nullptr);
    return win.instance != nullptr;
}

void PlatformStop() {
    sndPlaySoundA(nullptr, 0);
    ReleaseDrawingObjects();
}

int32_t RunMessageLoop() {
    MSG msg{};
    BOOL got;
    while ((got = GetMessageA(&msg, nullptr, 0, 0)) > 0) {
        if (HelpKeyMessage(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        // Every handler has returned: a close that had to wait is carried out now.
        if (quitRequested && win.root != nullptr && !win.rootGone)
            DestroyWindow(win.root);
    }
    return got == 0 ? static_cast<int32_t>(msg.wParam) : 0;
}

bool CloseMustWait() {
    return pauseDepth > 0 || handlerDepth > 0;
}

void RequestQuitLater() {
    quitRequested = true;
    PostMessageA(win.root, WM_NULL, 0, 0); // wakes the loop, which then closes
}

bool QuitRequested() {
    return quitRequested;
}

void PauseKeepingPainted(int32_t milliseconds) {
    if (quitRequested || milliseconds <= 0)
        return;
    const DWORD start = GetTickCount();
    pauseDepth++;
    while (!quitRequested) {
        while (!quitRequested && ServeOneDuringPause()) {
        }
        const DWORD spent = GetTickCount() - start;
        if (quitRequested || spent >= static_cast<DWORD>(milliseconds))
            break;
        // Sleeps until the time is up or something to paint or a request arrives; input that
        // waits in the queue does not wake it again.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(milliseconds) - spent,
                                  QS_PAINT | QS_POSTMESSAGE | QS_SENDMESSAGE);
    }
    pauseDepth--;
}

int32_t PlatformKeyOf(UINT message, WPARAM wParam) {
    if (message == WM_KEYDOWN) {
        switch (wParam) {
        case VK_UP:
            return KEY_UP;
        case VK_DOWN:
            return KEY_DOWN;
        case VK_RETURN:
            return KEY_RETURN;
        case VK_F1:
            return KEY_F1;
        default:
            return 0;
        }
    }
    // Printable characters, letters in lower case; Return, Escape and the like come as keys.
    if (message == WM_CHAR && wParam > ' ' && wParam < 0x100) {
        const auto c = static_cast<unsigned char>(wParam);
        return static_cast<int32_t>(
            reinterpret_cast<uintptr_t>(CharLowerA(reinterpret_cast<LPSTR>(uintptr_t{c}))));
    }
    return 0;
}
