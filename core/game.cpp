#include "core/game.h"

const char ROW_LABELS[ROW_COUNT][7] = {
    "1:or  ", "2:or  ", "3:or  ", "4:or  ", "5:or  ", "6:or  ",    "summa ", "bonus ", "1 par ",
    "2 par ", "Triss ", "Fyrtal", "Liten ", "Stor  ", "K\xe5k   ", "Chans ", "Dyxel ", "Total ",
};

GameState gameState;

static bool isDerivedRow(int32_t row) {
    return row == ROW_SUM || row == ROW_BONUS || row == ROW_TOTAL;
}

static bool validCell(int32_t player, int32_t row) {
    return player >= 0 && player < MAX_SLOTS && row >= 0 && row < ROW_COUNT;
}

bool isRowSelectable(int32_t player, int32_t row) {
    return validCell(player, row) && !isDerivedRow(row) &&
           gameState.players[player].cells[row] == 0;
}

bool isCellEmpty(int32_t player, int32_t row) {
    return validCell(player, row) && gameState.players[player].cells[row] == 0;
}

void resetGame(bool clearPlayers) {
    gameState.currentPlayer = 0;
    gameState.turnsLeft = 0;
    // A proposal left over from an aborted game must not be committed with the new dice.
    gameState.selection = Selection{};
    if (clearPlayers)
        gameState.playerCount = 0;
    for (int32_t p = 0; p < gameState.maxPlayers && p < MAX_SLOTS; p++) {
        PlayerSheet& sheet = gameState.players[p];
        if (clearPlayers)
            sheet.name[0] = 0;
        for (int32_t& cell : sheet.cells)
            cell = 0;
    }
}

int32_t roundNumber() {
    const int32_t n = gameState.playerCount;
    if (n <= 0 || gameState.turnsLeft <= 0)
        return 0;
    return 16 - gameState.turnsLeft / n - (gameState.turnsLeft % n != 0 ? 1 : 0);
}
