#include "core/turn.h"
#include "core/dice.h"
#include "core/hooks.h"
#include "core/scoring.h"
#include "robot/robot.h"
#include "sound/sound.h"
#include "store/settings.h"
#include "store/topten.h"

int32_t holdAlikeMode;

void OfferResultsToTopTen() {
    for (int32_t p = 0; p < gameState.playerCount && p < MAX_SLOTS; p++)
        AddTopTenResult(gameState.players[p].name, gameState.players[p].cells[ROW_TOTAL]);
}
void (*offerResults)() = OfferResultsToTopTen;

void newGame() {
    if (gameState.playerCount < 1 || gameState.playerCount > MAX_SLOTS || gameState.dice == nullptr)
        return;
    seedRandom();
    gameState.turnsLeft = gameState.playerCount * TURNS_PER_PLAYER;
    gameState.currentPlayer = 0;
    // A cell proposed in an abandoned game must not be committed with the new game's dice.
    gameState.selection = Selection{};
    RequestPaint(PAINT_ALL);
    startTurn();
}

void startTurn() {
    DiceThrow& dice = *gameState.dice;
    if (gameState.players[gameState.currentPlayer].isRobot != 0) {
        gameState.diceOnBoard = 1;
        resetThrow(dice);
        robotTurn(dice);
        return;
    }
    gameState.diceOnBoard = 0;
    RequestPaint(PAINT_DICE_STRIP);
    resetThrow(dice);
    throwDice(dice); // the automatic first throw is silent
    if (SettingOn(&Settings::sortedThrow))
        analyseThrow(dice);
    HookShowDiceWindow();
}

void resetThrow(DiceThrow& dice) {
    gameState.throwsLeft = 2;
    HookAlikeModeOff();
    holdAlikeMode = 0;
    for (int32_t i = 0; i < 5; i++) {
        HookReleaseDie(i);
        dice.held[i] = 0;
    }
}

void throwAgain() {
    if (gameState.throwsLeft > 0) {
        DiceThrow& dice = *gameState.dice;
        throwDice(dice);
        if (SettingOn(&Settings::sortedThrow))
            analyseThrow(dice);
        PlayThrowSound();
        HookRedrawDice();
        gameState.throwsLeft--;
        if (gameState.throwsLeft != 0)
            HookSetDiceTitle(gameState.currentPlayer, gameState.throwsLeft);
    }
    if (gameState.throwsLeft == 0) {
        if (SettingOn(&Settings::unlimitedThrows))
            gameState.throwsLeft = 1;
        else
            finishThrowing();
    }
    if (holdAlikeMode != 0)
        HookApplyAlike();
}

void finishThrowing() {
    analyseThrow(*gameState.dice);
    gameState.diceOnBoard = 1;
    HookHideDiceWindow();
    RequestPaint(PAINT_SHEET);
    RequestPaint(PAINT_DICE_STRIP);
}

void completeTurn() {
    if (gameState.turnsLeft <= 0 || gameState.throwsLeft != 0)
        return;
    const bool committed = commitSelection();
    if (!committed && gameState.players[gameState.currentPlayer].isRobot == 0)
        return;
    if (gameState.playerCount > 1)
        gameState.currentPlayer =
            gameState.currentPlayer >= gameState.playerCount - 1 ? 0 : gameState.currentPlayer + 1;
    gameState.turnsLeft--;
    RequestPaint(PAINT_SHEET);
    RequestPaint(PAINT_DICE_STRIP);
    RequestPaint(PAINT_CORNER_BOX);
    if (gameState.turnsLeft < 1)
        endGame();
    else
        startTurn();
}

void endGame() {
    if (offerResults != nullptr)
        offerResults();
    HookActivateRootWindow();
    gameState.topTenShown = 1;
    HookDrawCornerBoxLogo();
    RequestPaint(PAINT_TOP_TEN);
}
