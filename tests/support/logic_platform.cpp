#include "tests/support/logic_platform.h"
#include "platform/msgbox.h"
#include "platform/system.h"

std::vector<RecordedBox> recordedBoxes;
std::vector<int> recordedSounds;
int scriptedBoxAnswer = MBOX_ANSWER_NO;

void ClearPlatformRecords() {
    recordedBoxes.clear();
    recordedSounds.clear();
    scriptedBoxAnswer = MBOX_ANSWER_NO;
}

int ShowMessageBox(const char* text, const char* caption, int style, int icon, bool) {
    recordedBoxes.push_back({text, caption, style, icon});
    return style == MBOX_YESNO ? scriptedBoxAnswer : MBOX_ANSWER_OK;
}

bool PlatformPlaySound(int32_t resourceId) {
    recordedSounds.push_back(resourceId);
    return true;
}
