// Sound through the page's Web Audio, and the help page in a panel of its own.
#include "platform/system.h"
#include "platform/web/webplatform.h"
#include "res/resources.h"

// The page's sounds live beside it (the page fetched them after its first frame), not in the code.
bool PlatformPlaySound(int32_t resourceId) {
    return dyxel_play(resourceId) != 0;
}

void OpenHelp() {
    if (windows.rootGone || !windows.rootCreated)
        return;
    ResourceData data;
    if (!FindResourceData(IDT_HELP, &data) || data.size == 0) {
        static const char missing[] =
            "<html><body><p>Hj\xe4lpen saknas i programmet.</p></body></html>";
        dyxel_help_open(missing, sizeof missing - 1);
        return;
    }
    dyxel_help_open(reinterpret_cast<const char*>(data.data), static_cast<int32_t>(data.size));
}

void CloseHelp() {
    dyxel_help_close();
}
