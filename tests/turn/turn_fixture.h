// Shared set-up for the turn, robot and sound tests: a fresh game, default options, a private
// working directory, and a hook table that records every call into the windows in order.
#pragma once
#include "core/game.h"
#include "store/settings.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Every hook call and every sound, in the order they happened: "paint 2", "show",
// "title 0 1", "redraw", "release 3", "alikeOff", "applyAlike", "hide", "logo", "activate",
// "pause 600", "erase 0 5", "handOver", "sound 2402".
extern std::vector<std::string> events;
// Whether the recorded hand-over runs the commit request (completeTurn), as the root window does.
extern bool handOverRuns;
// Called by the recorded pause after it is logged, when set.
extern void (*onPause)(int32_t milliseconds);

// The events so far, with the sounds played since the last one; clears the list.
std::vector<std::string> TakeEvents();

std::string Ev(const char* name, int a);
std::string Ev(const char* name, int a, int b);
std::vector<std::string> ReleaseAll(); // resetThrow's part: "alikeOff", "release 0".."release 4"
std::vector<std::string> Concat(std::initializer_list<std::vector<std::string>> parts);

class TurnTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    void addPlayer(const char* name, bool robot);
    // Sets the dice to these pips (1 to 6) and analyses them.
    void setDice(std::initializer_list<int> pips);
    int32_t* cells(int32_t player) { return gameState.players[player].cells; }

    Settings options{};
    DiceThrow dice{};

  private:
    std::string savedCwd;
    std::string dir;
};
