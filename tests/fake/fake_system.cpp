// Menus, message boxes, the new-player dialog, the pause, sound and help.
#include "platform/dialog.h"
#include "platform/menu.h"
#include "platform/msgbox.h"
#include "platform/system.h"
#include "tests/fake/fake_platform.h"
#include <cstring>
#include <string>

void SetMenuCheck(int32_t commandId, bool checked) {
    fake.menuChecks[commandId] = checked;
    FakeLog("check " + std::to_string(commandId) + (checked ? " on" : " off"));
}

void SetDiceCommandHighlight(int32_t commandId, bool highlighted) {
    fake.highlights[commandId] = highlighted;
    FakeLog("highlight " + std::to_string(commandId) + (highlighted ? " on" : " off"));
}

int ShowMessageBox(const char* text, const char* caption, int style, int icon, bool owned) {
    fake.boxes.push_back(FakeBox{text, caption, style, icon, owned});
    FakeLog("box '" + std::string(text) + "' '" + caption + "'");
    if (style != MBOX_YESNO)
        return MBOX_ANSWER_OK;
    if (fake.yesNoAnswers.empty())
        return MBOX_ANSWER_NO;
    const int answer = fake.yesNoAnswers.front();
    fake.yesNoAnswers.erase(fake.yesNoAnswers.begin());
    return answer;
}

int32_t RunPlayerDialog() {
    FakeLog("dialog run");
    fake.dialogRunning = true;
    fake.dialogEnded = false;
    fake.dialogResult = -1;
    fake.dialogStepsRun = 0;
    fake.editText.clear();
    fake.robotChecked = false;
    fake.listItems.clear();
    if (platformEvents.dialogInit)
        platformEvents.dialogInit();
    for (const FakeDialogStep& step : fake.dialogSteps) {
        if (fake.dialogEnded)
            break;
        fake.editText = step.editText;
        fake.robotChecked = step.robot;
        fake.dialogStepsRun++;
        FakeLog("dialog command " + std::to_string(step.command));
        if (platformEvents.dialogCommand)
            platformEvents.dialogCommand(step.command);
    }
    fake.dialogRunning = false;
    FakeLog(fake.dialogEnded ? "dialog closed" : "dialog left open");
    return fake.dialogResult;
}

void EndPlayerDialog(int32_t result) {
    FakeLog("dialog end " + std::to_string(result));
    fake.dialogEnded = true;
    fake.dialogResult = result;
}

void BringDialogToFront() {
    FakeLog("dialog front");
}

int32_t GetDialogEditText(char* buffer, int32_t capacity) {
    if (capacity <= 0)
        return 0;
    size_t n = fake.editText.size();
    if (n > static_cast<size_t>(capacity - 1))
        n = static_cast<size_t>(capacity - 1);
    std::memcpy(buffer, fake.editText.data(), n);
    buffer[n] = 0;
    return static_cast<int32_t>(n);
}

void SetDialogEditText(const char* text) {
    fake.editText = text;
    FakeLog("dialog edit '" + std::string(text) + "'");
}

void FocusDialogEdit() {
    fake.editFocused = true;
    FakeLog("dialog focus edit");
}

bool IsDialogRobotChecked() {
    return fake.robotChecked;
}

void SetDialogRobotChecked(bool checked) {
    fake.robotChecked = checked;
    FakeLog(std::string("dialog robot ") + (checked ? "on" : "off"));
}

void AddDialogListItem(const char* text) {
    fake.listItems.push_back(text);
    FakeLog("dialog list add '" + std::string(text) + "'");
}

void PauseKeepingPainted(int32_t milliseconds) {
    fake.pauses.push_back(milliseconds);
    FakeLog("pause " + std::to_string(milliseconds));
    if (fake.quitAtPause != 0 && fake.pauses.size() >= fake.quitAtPause)
        fake.quitRequested = true;
}

bool QuitRequested() {
    return fake.quitRequested;
}

bool PlatformPlaySound(int32_t resourceId) {
    FakeLog("sound " + std::to_string(resourceId));
    return fake.soundWorks;
}

void OpenHelp() {
    fake.helpOpen = true;
    FakeLog("help open");
}

void CloseHelp() {
    fake.helpOpen = false;
    FakeLog("help close");
}
