// The wave resources played asynchronously from memory; each start cuts off the sound before.
#include "platform/system.h"
#include "platform/win32/w32platform.h"
#include <mmsystem.h>

bool PlatformPlaySound(int32_t resourceId) {
    HRSRC found = FindResourceA(win.instance, MAKEINTRESOURCEA(resourceId), RT_RCDATA);
    if (found == nullptr)
        return false;
    HGLOBAL loaded = LoadResource(win.instance, found);
    if (loaded == nullptr)
        return false;
    bool started = false;
    // The bytes stay mapped with the module, so the sound plays on after the call.
    if (const void* wave = LockResource(loaded)) {
        sndPlaySoundA(nullptr, SND_ASYNC);
        started = sndPlaySoundA(static_cast<LPCSTR>(wave), SND_ASYNC | SND_MEMORY) != FALSE;
    }
    FreeResource(loaded);
    return started;
}
