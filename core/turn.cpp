#include "core/turn.h"
#include "core/dice.h"
#include "core/hooks.h"
#include "core/random.h"
#include "core/scoring.h"
#include "core/settings.h"

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
        CallHook(services.robotTurn, dice);
        return;
    }
    gameState.diceOnBoard = 0;
    RequestPaint(PAINT_DICE_STRIP);
    resetThrow(dice);
    throwDice(dice); // the automatic first throw is silent
    if (SettingOn(&Settings::sortedThrow))
        analyseThrow(dice);
    CallHook(frontEnd.showDiceWindow);
}

void resetThrow(DiceThrow& dice) {
    gameState.throwsLeft = 2;
    holdAlikeMode = 0;
    CallHook(frontEnd.alikeModeOff);
    for (int32_t& held : dice.held)
        held = 0;
}

void throwAgain() {
    DiceThrow& dice = *gameState.dice;
    if (gameState.throwsLeft > 0) {
        throwDice(dice);
        if (SettingOn(&Settings::sortedThrow))
            analyseThrow(dice);
        CueThrowSound();
        CallHook(frontEnd.redrawDice);
        gameState.throwsLeft--;
        if (gameState.throwsLeft != 0)
            CallHook(frontEnd.setDiceTitle, gameState.currentPlayer, gameState.throwsLeft);
    }
    if (gameState.throwsLeft == 0) {
        if (SettingOn(&Settings::unlimitedThrows))
            gameState.throwsLeft = 1;
        else
            finishThrowing();
    }
    if (holdAlikeMode != 0) {
        applyAlike(dice);
        CallHook(frontEnd.redrawDice);
    }
}

void finishThrowing() {
    analyseThrow(*gameState.dice);
    gameState.diceOnBoard = 1;
    CallHook(frontEnd.hideDiceWindow);
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
    CallHook(services.offerResults);
    CallHook(frontEnd.activateRootWindow);
    gameState.topTenShown = 1;
    CallHook(frontEnd.drawCornerBoxLogo);
    RequestPaint(PAINT_TOP_TEN);
}
