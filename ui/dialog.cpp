#include "ui/dialog.h"
#include "core/game.h"
#include "platform/dialog.h"
#include "platform/draw.h"
#include "platform/msgbox.h"
#include "ui/sheet.h"
#include <cstring>

int32_t playerDialogStartsGame;

bool AddPlayer(const char* name, int32_t length, bool robot) {
    GameState& g = gameState;
    if (g.playerCount < g.maxPlayers && g.playerCount < MAX_SLOTS && length > 0) {
        PlayerSheet& sheet = g.players[g.playerCount];
        const int32_t n = length < 3 ? length : 3;
        std::memcpy(sheet.name, name, static_cast<size_t>(n));
        sheet.name[n] = 0;
        sheet.isRobot = robot ? 1 : 0;
        g.playerCount++;
        return g.playerCount == g.maxPlayers;
    }
    return g.playerCount == g.maxPlayers || (length == 0 && g.playerCount > 0);
}

static void endDialog() {
    EndPlayerDialog(0);
    playerDialogStartsGame = 1;
}

static void onAddPlayer() {
    char name[4] = {};
    int32_t n = GetDialogEditText(name, sizeof name);
    if (n < 0)
        n = 0;
    if (n > 3)
        n = 3;
    name[n] = 0;
    const int32_t width = MeasureTextWidth(name, n);
    const bool robot = IsDialogRobotChecked();
    if (width + 2 * sheetMetrics.margin >= sheetMetrics.colWidth) {
        ShowMessageBox("Dina initiler rymms inte!\nKorta ner eller byt\n", "F\xf6r l\xe5ngt!",
                       MBOX_OK, MBOX_ICON_INFORMATION, true);
        return;
    }
    if (AddPlayer(name, n, robot)) {
        endDialog();
        return;
    }
    if (n > 0)
        AddDialogListItem(name);
    SetDialogEditText("");
    FocusDialogEdit();
    SetDialogRobotChecked(false);
}

bool NewPlayerDialogProc(int32_t message, int32_t commandId) {
    switch (message) {
    case DIALOG_INIT:
        BringDialogToFront();
        FocusDialogEdit();
        gameState.maxPlayers = MAX_SLOTS;
        return true;
    case DIALOG_COMMAND:
        if (commandId == IDC_ADD_PLAYER)
            onAddPlayer();
        else if (commandId == IDC_DONE)
            endDialog();
        // Every other command, Escape's cancel among them, does nothing.
        return true;
    default:
        return false;
    }
}
