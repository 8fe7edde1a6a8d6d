// The ui's tests run against the recording fake with a font of height 16 and average width 7,
// so W = 35, H = 19, M = 2, in a scratch working directory of their own.
#pragma once
#include "core/game.h"
#include "platform/dialog.h"
#include "store/settings.h"
#include "tests/fake/fake_platform.h"
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>

constexpr const char* BLACK = "000000";
constexpr const char* GREY = "787878";
constexpr const char* GREEN = "0a960a";
constexpr const char* RED = "dc0000";
constexpr const char* OUTLINE = "pen 2 800080 brush hollow";
constexpr const char* ERASE = "pen 2 ffffff brush white";
constexpr const char* PANEL = "root: fill (281,8,357,214) white";
constexpr const char* LOGO = "root: copy picture 116 from (0,0) to (272,360) size 120x88";

// The fake's text line for a text drawn on the root window.
std::string RootText(const std::string& text, int x, int y, const char* colour);
// A value drawn in a cell, and the inset box of a cell, of the given sheet column.
std::string CellText(const std::string& text, int row, const char* colour, int column = 0);
std::string CellBox(int row, const char* penAndBrush, int column = 0);
std::string Stretch(int picture, const std::string& from, const std::string& to);
// Every line logged, each reported by itself when missing.
void ExpectLogged(std::initializer_list<std::string> lines);
// The y of a click on row r, anywhere within its hit band.
inline int RowY(int r) {
    return 19 * (r + 1) + 5;
}
inline FakeDialogStep Add(const char* text, bool robot = false) {
    return FakeDialogStep{text, robot, IDC_ADD_PLAYER};
}
inline FakeDialogStep Done() {
    return FakeDialogStep{"", false, IDC_DONE};
}

class UiTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Adds a player the way the dialog does and sets up the game's counters without a turn.
    void AddPlayers(std::initializer_list<const char*> names, bool robots = false);
    // Faces as pips 1..6, holds cleared.
    void SetDice(std::initializer_list<int> pips);
    static std::string FileBytes(const char* name);

    Settings testSettings{};
    DiceThrow testDice{};

  private:
    std::string oldDir_, scratchDir_;
};
