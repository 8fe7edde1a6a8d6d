// The simulator's command line.
#pragma once
#include <cstdint>
#include <string>

struct SimOptions {
    int32_t robots = 1;
    int64_t games = 1;
    uint32_t time = 0;
    bool timeGiven = false;
    int32_t altDice = 1;
    int32_t throwSound = 1;
    int32_t robotSound = 1;
    bool trace = false;
    bool topTen = false;
    int32_t expert = 0;  // robots play the optimal strategy
    bool advise = false; // answer positions from standard input instead of playing
    bool review = false; // weigh the decisions of a trace from standard input
    int32_t players = 0; // seats given by --players, each of its own kind (a RobotKind)
    int32_t kinds[5] = {};
};

enum SimArgsResult { SIM_ARGS_RUN, SIM_ARGS_HELP, SIM_ARGS_ERROR };

constexpr int64_t SIM_MAX_GAMES = 1000000000;

extern const char SIM_USAGE[];

// Fills `options` from the arguments; on SIM_ARGS_ERROR `error` says what was wrong.
SimArgsResult ParseSimArgs(int argc, const char* const* argv, SimOptions& options,
                           std::string& error);
