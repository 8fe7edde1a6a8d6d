// The modal new-player dialog and its controls. Texts are Windows-1252.
#pragma once
#include <cstdint>

enum PlayerDialogControl {
    IDC_DONE = 1,
    IDC_NAME_EDIT = 2201,
    IDC_NAME_LIST = 2202,
    IDC_ADD_PLAYER = 2203,
    IDC_NEW_PLAYER_GROUP = 2204,
    IDC_LIST_GROUP = 2205,
    IDC_ROBOT_CHECK = 2209,
    IDC_CANCEL = 2,
};

// Runs the dialog modally over the root window; returns the value given to EndPlayerDialog.
int32_t RunPlayerDialog();
void EndPlayerDialog(int32_t result);
void BringDialogToFront();
// Copies at most capacity - 1 characters and a terminator; returns the number copied.
int32_t GetDialogEditText(char* buffer, int32_t capacity);
void SetDialogEditText(const char* text);
void FocusDialogEdit();
bool IsDialogRobotChecked();
void SetDialogRobotChecked(bool checked);
void AddDialogListItem(const char* text);
