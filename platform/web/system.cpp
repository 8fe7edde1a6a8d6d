// Sound through the page's Web Audio from the embedded wave bytes, and the help page in a panel
// of its own.
#include "platform/system.h"
#include "platform/web/webplatform.h"
#include "res/resources.h"

bool PlatformPlaySound(int32_t resourceId) {
    ResourceData data;
    if (!FindResourceData(resourceId, &data) || data.size == 0)
        return false;
    return dyxel_play(resourceId, data.data, static_cast<int32_t>(data.size)) != 0;
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
