#include "review/review.h"
#include "core/scoring.h"
#include "core/settings.h"
#include "expert/expert.h"
#include <algorithm>

GameReview gameReview;

namespace {

ReviewDecision begin(const int32_t face[5], int32_t kind) {
    ReviewDecision d{};
    d.kind = kind;
    for (int32_t i = 0; i < 5; i++)
        d.pips[i] = (face[i] >= 0 && face[i] < 6 ? face[i] : 0) + 1;
    std::sort(d.pips, d.pips + 5);
    return d;
}

DiceThrow diceOf(const int32_t face[5]) {
    DiceThrow dice{};
    for (int32_t i = 0; i < 5; i++)
        dice.face[i] = face[i] >= 0 && face[i] < 6 ? face[i] : 0;
    return dice;
}

// Rounding can put the chosen choice a hair above the advised one when they tie.
double lossOf(double best, double chosen) {
    return best > chosen ? best - chosen : 0.0;
}

// The turn being recorded: the current human's, counted from the player's own first turn.
bool humanTurn() {
    const GameState& g = gameState;
    return g.turnsLeft > 0 && g.dice != nullptr && g.playerCount > 0 &&
           g.players[g.currentPlayer].isRobot == 0;
}

void keepPosition(ReviewDecision& d, const int32_t face[5]) {
    const int32_t* cells = gameState.players[gameState.currentPlayer].cells;
    std::copy(cells, cells + ROW_COUNT, d.cells);
    std::copy(face, face + 5, d.face);
}

void add(const ReviewDecision& d) {
    PlayerReview& r = gameReview.players[gameState.currentPlayer];
    if (r.count < REVIEW_MAX)
        r.decisions[r.count++] = d;
}

// The throw just seen in this turn: 1 for the automatic first throw.
int32_t throwOfTurn() {
    if (gameReview.turnKey != gameState.turnsLeft) {
        gameReview.turnKey = gameState.turnsLeft;
        gameReview.throwsSeen = 1;
    }
    return gameReview.throwsSeen;
}

// Holds after a third throw ("&3 Kast") have no counterpart in three throws: not weighed.
void recordHold(const int32_t held[5]) {
    const int32_t k = throwOfTurn();
    if (SettingOn(&Settings::unlimitedThrows))
        gameReview.players[gameState.currentPlayer].unlimitedThrows = 1;
    if (k <= 2) {
        ReviewDecision d = begin(gameState.dice->face, k);
        keepPosition(d, gameState.dice->face);
        std::copy(held, held + 5, d.held);
        d.turn = roundNumber();
        add(d);
    }
}

} // namespace

ReviewDecision reviewHold(const int32_t* cells, const int32_t face[5], const int32_t held[5],
                          int32_t kind) {
    ReviewDecision d = begin(face, kind);
    const DiceThrow dice = diceOf(face);
    for (int32_t i = 0; i < 5; i++)
        d.chosen[dice.face[i]] += held[i] != 0;
    const int32_t throwsLeft = kind == REVIEW_FIRST_HOLD ? 2 : 1;
    const ExpertAdvice advice = expertAdvice(cells, dice, throwsLeft);
    for (int32_t i = 0; i < 5; i++)
        d.best[dice.face[i]] += advice.hold[i] != 0;
    d.loss = lossOf(expertKeepWorth(cells, d.best, throwsLeft),
                    expertKeepWorth(cells, d.chosen, throwsLeft));
    return d;
}

ReviewDecision reviewRow(const int32_t* cells, const int32_t face[5], int32_t row) {
    ReviewDecision d = begin(face, REVIEW_ROW);
    const DiceThrow dice = diceOf(face);
    d.chosen[0] = row;
    d.best[0] = expertAdvice(cells, dice, 0).row;
    d.loss = lossOf(expertRowWorth(cells, dice, d.best[0]), expertRowWorth(cells, dice, row));
    return d;
}

void startGameReview() {
    gameReview = GameReview{};
}

void recordThrowAgain() {
    if (humanTurn() && gameState.throwsLeft > 0) {
        recordHold(gameState.dice->held);
        gameReview.throwsSeen++;
    }
}

void recordDone() {
    // Stopping keeps every die: the same as holding all five for the throws left.
    const int32_t all[5] = {1, 1, 1, 1, 1};
    if (humanTurn() && gameState.throwsLeft > 0)
        recordHold(all);
}

void recordCommit() {
    const GameState& g = gameState;
    const Selection& s = g.selection;
    if (!humanTurn() || g.throwsLeft != 0 || s.selectable == 0 || s.player != g.currentPlayer ||
        !isRowSelectable(s.player, s.row))
        return;
    ReviewDecision d = begin(g.dice->face, REVIEW_ROW);
    keepPosition(d, g.dice->face);
    d.chosen[0] = s.row;
    d.turn = roundNumber();
    add(d);
    gameReview.turnKey = 0;
}

void finishGameReview() {
    for (PlayerReview& r : gameReview.players) {
        for (int32_t i = 0; i < r.count; i++) {
            ReviewDecision& d = r.decisions[i];
            const ReviewDecision w = d.kind == REVIEW_ROW
                                         ? reviewRow(d.cells, d.face, d.chosen[0])
                                         : reviewHold(d.cells, d.face, d.held, d.kind);
            std::copy(w.best, w.best + 6, d.best);
            d.loss = w.loss;
        }
    }
    gameReview.finished = 1;
}

ReviewSummary summarizeReview(const PlayerReview& review) {
    ReviewSummary s{review.count, 0.0, 0, {-1, -1, -1}};
    for (int32_t i = 0; i < review.count; i++) {
        const double loss = review.decisions[i].loss;
        s.loss += loss;
        s.costly += loss > 0.5;
        // Insert into the three costliest; an earlier decision stays ahead of an equal one.
        int32_t at = 3;
        while (at > 0 && (s.worst[at - 1] < 0 || review.decisions[s.worst[at - 1]].loss < loss))
            at--;
        if (at < 3) {
            for (int32_t j = 2; j > at; j--)
                s.worst[j] = s.worst[j - 1];
            s.worst[at] = i;
        }
    }
    return s;
}
