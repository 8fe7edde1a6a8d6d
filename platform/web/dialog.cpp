// The modal player dialog and the message boxes: HTML overlays over the whole page, each with
// a loop of its own that dispatches only its own events (and the window system's) until it has
// its answer. Input meant for the windows waits in the queue meanwhile.
#include "platform/dialog.h"
#include "platform/msgbox.h"
#include "platform/web/webplatform.h"
#include <cstdio>

namespace {

bool dialogOpen = false;
bool dialogEnded = false;
int32_t dialogResult = 0;
int32_t boxAnswer = 0;

// The box's answer is taken here rather than dispatched: nothing else listens for it.
bool boxAnswered() {
    int32_t args[3];
    for (int32_t type; (type = dyxel_take(EVENTS_BOX, args)) != EVENT_NONE;) {
        if (type == EVENT_BOX_ANSWER) {
            boxAnswer = args[0];
            return true;
        }
    }
    return false;
}

} // namespace

int ShowMessageBox(const char* text, const char* caption, int style, int icon, bool owned) {
    const bool yesNo = style == MBOX_YESNO;
    if (windows.sessionEnding) {
        // The page is going away: the text still reaches the console.
        std::fprintf(stderr, "%s: %s\n", caption != nullptr ? caption : "",
                     text != nullptr ? text : "");
        return yesNo ? MBOX_ANSWER_NO : MBOX_ANSWER_OK;
    }
    dyxel_box_open(text != nullptr ? text : "", caption != nullptr ? caption : "", yesNo ? 1 : 0,
                   icon, owned && windows.rootCreated && !windows.rootGone ? 1 : 0);
    windows.modalDepth++;
    boxAnswer = 0;
    while (!boxAnswered()) {
        if (!DispatchQueued(EVENTS_SYSTEM))
            WaitForEvents(EVENTS_BOX | EVENTS_SYSTEM, -1);
    }
    windows.modalDepth--;
    dyxel_box_close();
    if (!yesNo)
        return MBOX_ANSWER_OK;
    return boxAnswer == MBOX_ANSWER_YES ? MBOX_ANSWER_YES : MBOX_ANSWER_NO;
}

int32_t RunPlayerDialog() {
    if (dialogOpen || !windows.rootCreated || windows.rootGone)
        return 0;
    dialogOpen = true;
    dialogEnded = false;
    dialogResult = 0;
    dyxel_dialog_open();
    windows.modalDepth++;
    if (platformEvents.dialogInit != nullptr)
        platformEvents.dialogInit();
    while (!dialogEnded && !windows.rootGone) {
        if (!DispatchQueued(EVENTS_DIALOG | EVENTS_SYSTEM))
            WaitForEvents(EVENTS_DIALOG | EVENTS_SYSTEM, -1);
    }
    windows.modalDepth--;
    dyxel_dialog_close();
    dialogOpen = false;
    return dialogResult;
}

void EndPlayerDialog(int32_t result) {
    if (!dialogOpen || dialogEnded)
        return;
    dialogResult = result;
    dialogEnded = true;
}

void BringDialogToFront() {
    if (dialogOpen)
        dyxel_dialog_raise();
}

int32_t GetDialogEditText(char* buffer, int32_t capacity) {
    if (buffer == nullptr || capacity <= 0)
        return 0;
    buffer[0] = '\0';
    return dialogOpen ? dyxel_dialog_text(buffer, capacity) : 0;
}

void SetDialogEditText(const char* text) {
    if (dialogOpen && text != nullptr)
        dyxel_dialog_set_text(text);
}

void FocusDialogEdit() {
    if (dialogOpen)
        dyxel_dialog_focus();
}

bool IsDialogRobotChecked() {
    return dialogOpen && dyxel_dialog_robot() != 0;
}

void SetDialogRobotChecked(bool checked) {
    if (dialogOpen)
        dyxel_dialog_set_robot(checked ? 1 : 0);
}

void AddDialogListItem(const char* text) {
    if (dialogOpen && text != nullptr)
        dyxel_dialog_list_add(text);
}
