// Message boxes. Texts are Windows-1252.
#pragma once

enum MessageBoxStyle {
    MBOX_OK = 0,
    MBOX_YESNO = 1,
};

enum MessageBoxIcon {
    MBOX_ICON_NONE = 0,
    MBOX_ICON_STOP = 1,
    MBOX_ICON_INFORMATION = 2,
};

enum MessageBoxAnswer {
    MBOX_ANSWER_OK = 1,
    MBOX_ANSWER_YES = 6,
    MBOX_ANSWER_NO = 7,
};

// owned: the box belongs to the root window while it exists. Escape on a Yes/No box answers No.
int ShowMessageBox(const char* text, const char* caption, int style, int icon, bool owned);
