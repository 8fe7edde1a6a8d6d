// The one game: players, score sheets, dice, the proposed cell and the view flags.
#pragma once
#include <cstdint>

constexpr int32_t MAX_SLOTS = 5;
constexpr int32_t ROW_COUNT = 18;
constexpr int32_t TURNS_PER_PLAYER = 15;

enum ScoreRow : int32_t {
    ROW_ONES = 0,
    ROW_TWOS,
    ROW_THREES,
    ROW_FOURS,
    ROW_FIVES,
    ROW_SIXES,
    ROW_SUM = 6,
    ROW_BONUS = 7,
    ROW_PAIR = 8,
    ROW_TWO_PAIRS,
    ROW_TRIPLE,
    ROW_QUAD,
    ROW_SMALL,
    ROW_LARGE,
    ROW_FULL_HOUSE,
    ROW_CHANCE,
    ROW_DYXEL = 16,
    ROW_TOTAL = 17,
};

// Windows-1252, exactly six characters each.
extern const char ROW_LABELS[ROW_COUNT][7];

constexpr int32_t NO_FACE = 6;

struct PlayerSheet {
    char name[4];
    int32_t cells[ROW_COUNT];
    int32_t isRobot;
};

struct DiceThrow {
    int32_t face[5];
    int32_t held[5];
    int32_t pairFace[2];
    int32_t tripleFace;
    int32_t quadFace;
    int32_t fiveFace;
    int32_t pairCount;
    int32_t faceCount[6];
};
static_assert(sizeof(DiceThrow) == 22 * 4);

struct Selection {
    int32_t player;
    int32_t row;
    int32_t selectable;
};

struct GameState {
    PlayerSheet players[MAX_SLOTS];
    int32_t playerCount;
    int32_t maxPlayers;
    int32_t currentPlayer;
    int32_t turnsLeft;
    int32_t throwsLeft;
    DiceThrow* dice;
    Selection selection;
    int32_t diceOnBoard;
    int32_t sheetVisible;
    int32_t topTenShown;
};

extern GameState gameState;

bool isRowSelectable(int32_t player, int32_t row);
bool isCellEmpty(int32_t player, int32_t row);
void resetGame(bool clearPlayers);
int32_t roundNumber();
