// The dice window: the human player's five die buttons and the five commands above them.
#pragma once
#include <cstdint>

enum DiceCommand : int32_t {
    IDM_THROW = 2001,
    IDM_HOLD_ALL = 2002,
    IDM_RELEASE_ALL = 2003,
    IDM_ALIKE = 2004,
    IDM_DONE = 2006,
    IDM_TIPS = 2007,
};

// 1 while the dice window is on show.
extern int32_t diceWindowShown;

// Draws a die's button from its face and hold flag.
void DrawDie(int32_t die);
void PaintDiceWindow();
void ShowDiceWindow();
// "Spelare: %s   Kvar: %d", and after it "   Tips: %s" when a hint is given.
void SetDiceTitle(int32_t player, int32_t count, const char* hint = nullptr);
// A press on a die's button (mouse or keyboard): the die is held or freed, once.
void PressDie(int32_t die);
// The hold flags as given, shown at once.
void SetHolds(const int32_t held[5]);
void RedrawDice();
void AlikeModeOff();
void HideDiceWindow();
void UncoverRootArea();
void ToggleAlike();
void HoldAllDice();
void ReleaseAllDice();
// The dice window's commands; any other id is not handled (false).
bool OnDiceCommand(int32_t commandId);
void OnDiceKey(int32_t key);
