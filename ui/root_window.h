// The root window's messages and its thirteen menu commands.
#pragma once
#include <cstdint>

enum RootCommand : int32_t {
    IDM_QUIT = 1001,
    IDM_ABOUT = 1002,
    IDM_NEW_GAME = 1003,
    IDM_SHOW_TOP_TEN = 1004,
    IDM_CLEAR_TOP_TEN = 1005,
    IDM_HELP = 1006,
    IDM_ALT_DICE = 1007,
    IDM_THROW_SOUND = 1008,
    IDM_ROBOT_SOUND = 1009,
    IDM_UNLIMITED_THROWS = 1010,
    IDM_LONG_THROWS = 1011,
    IDM_REPLAY = 1012,
    IDM_SORTED_THROW = 1013,
    IDM_EXPERT = 1014,
    IDM_CHAMPION = 1015,
    IDM_REVIEW = 1016,     // after a game: what each human decision cost
    IDM_STATISTICS = 1017, // each name's games at this computer
};

void OnRootCreate();
void OnRootDestroy();
void OnRootLeftDown(int32_t x, int32_t y);
// A left double click or a right button press: hand the proposed cell to the turn flow.
void OnCommitRequest();
void OnRootCommand(int32_t commandId);
// Up, Down and Return choose and commit a row as the mouse would; F1 opens the help.
void OnRootKey(int32_t key);
