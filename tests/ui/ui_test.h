// The ui's tests run against the recording fake with a font of height 16 and average width 7,
// so W = 35, H = 19, M = 2, in a scratch working directory of their own.
#pragma once
#include "core/game.h"
#include "store/settings.h"
#include "tests/fake/fake_platform.h"
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>

class UiTest : public ::testing::Test {
  public:
    // The fake's text line for a text drawn on the root window.
    static std::string RootText(const std::string& text, int x, int y, const char* colour);

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
    std::string oldDir_;
    std::string scratchDir_;
};

constexpr const char* BLACK = "000000";
constexpr const char* GREY = "787878";
constexpr const char* GREEN = "0a960a";
constexpr const char* RED = "dc0000";
