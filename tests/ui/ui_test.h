// The ui's tests: the game runs over the fake platform in a scratch working directory of its own,
// and a test plays the player's part from inside the message loop.
#pragma once
#include "core/game.h"
#include "platform/window.h"
#include "tests/fake/fake.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

class UiTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    std::string dir;
};

// Runs the game from its start-up to its shutdown with `play` as what happens in the message
// loop; returns the exit code.
int32_t RunGame(const std::function<void()>& play);
// "&Nytt spel" with these players ("-R1" for a robot named R1), the list then completed.
void NewGame(const std::vector<std::string>& players);
// The client point of a row of the sheet (a click there proposes that row).
int32_t RowY(int32_t row);
// The whole file, or "" when there is none.
std::string FileBytes(const char* name);
// Dice as pips, e.g. "11345", and the hold flags as digits.
void SetDice(const char* pips, const char* held = "00000");
std::string Dice();
// The hash of a die face's picture (pips 1 to 6) as a die button shows it.
uint64_t FaceHash(int32_t pips, bool held);
// Compares a window's picture with the stored one of that name (tests/ui/pictures.txt). A
// picture that differs is saved beside the test binary as NAME.ppm, for a look.
void ExpectPicture(WindowId w, const std::string& name);
