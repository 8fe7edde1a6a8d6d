// The new-player dialog: players are entered one by one until the list is complete.
#pragma once
#include <cstdint>

enum PlayerDialogMessage : int32_t {
    DIALOG_INIT = 0,
    DIALOG_COMMAND = 1,
};

// Set by the dialog when it ends in a way that starts the game. The game itself is started by
// the caller once the modal dialog has returned, so no game ever runs inside the dialog.
extern int32_t playerDialogStartsGame;

// Answers whether the message was handled.
bool NewPlayerDialogProc(int32_t message, int32_t commandId);
// Appends one player; true when the list is complete.
bool AddPlayer(const char* name, int32_t length, bool robot);
