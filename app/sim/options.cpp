#include "app/sim/options.h"
#include <cstring>

const char SIM_USAGE[] =
    "usage: dyxel-sim [--robots N] [--games N] [--time T] [--alt-dice 0|1]\n"
    "                 [--throw-sound 0|1] [--robot-sound 0|1] [--trace] [--top-ten]\n"
    "\n"
    "Plays games of robots only, one after another, with no window.\n"
    "  --robots N         robot players R1 to RN, 1 to 5 (default 1)\n"
    "  --games N          games to play, 1 to 1000000000 (default 1)\n"
    "  --time T           calendar time seeding game 1, 0 to 4294967295; game k gets\n"
    "                     T + k - 1 (default: now)\n"
    "  --alt-dice 0|1     dice from the C-runtime generator (default 1)\n"
    "  --throw-sound 0|1  throw sound cue (default 1)\n"
    "  --robot-sound 0|1  robot sound cues (default 1)\n"
    "  --trace            print every throw, sound, row and game end instead of the summary\n"
    "  --top-ten          offer every total to the list in h_score, as the game does\n"
    "\n"
    "Without --trace it prints, over every player's sheet of every game:\n"
    "  games: G, robots: N, sheets: S\n"
    "  total: mean M.MM, min A, max B\n"
    "  bonus: P.PP% of sheets\n"
    "  dyxel: Q.QQ% of sheets\n"
    "  speed: R games/s\n";

namespace {

// Plain decimal digits only: no sign, no blanks, no overflow.
bool parseNumber(const char* text, int64_t lo, int64_t hi, int64_t& out) {
    if (text == nullptr || *text == 0 || std::strlen(text) > 12)
        return false;
    int64_t v = 0;
    for (const char* c = text; *c; c++) {
        if (*c < '0' || *c > '9')
            return false;
        v = v * 10 + (*c - '0');
    }
    if (v < lo || v > hi)
        return false;
    out = v;
    return true;
}

struct NumberOption {
    const char* name;
    int64_t lo;
    int64_t hi;
};

const NumberOption NUMBER_OPTIONS[] = {
    {"--robots", 1, 5},   {"--games", 1, SIM_MAX_GAMES}, {"--time", 0, 4294967295LL},
    {"--alt-dice", 0, 1}, {"--throw-sound", 0, 1},       {"--robot-sound", 0, 1},
};

void store(SimOptions& o, int which, int64_t v) {
    switch (which) {
    case 0:
        o.robots = static_cast<int32_t>(v);
        break;
    case 1:
        o.games = v;
        break;
    case 2:
        o.time = static_cast<uint32_t>(v);
        o.timeGiven = true;
        break;
    case 3:
        o.altDice = static_cast<int32_t>(v);
        break;
    case 4:
        o.throwSound = static_cast<int32_t>(v);
        break;
    default:
        o.robotSound = static_cast<int32_t>(v);
        break;
    }
}

} // namespace

SimArgsResult ParseSimArgs(int argc, const char* const* argv, SimOptions& o, std::string& error) {
    o = SimOptions{};
    for (int i = 1; i < argc; i++) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0)
            return SIM_ARGS_HELP;
        if (std::strcmp(arg, "--trace") == 0) {
            o.trace = true;
            continue;
        }
        if (std::strcmp(arg, "--top-ten") == 0) {
            o.topTen = true;
            continue;
        }
        int which = -1;
        for (int k = 0; k < 6; k++)
            if (std::strcmp(arg, NUMBER_OPTIONS[k].name) == 0)
                which = k;
        if (which < 0) {
            error = std::string("unknown argument '") + arg + "'";
            return SIM_ARGS_ERROR;
        }
        const NumberOption& opt = NUMBER_OPTIONS[which];
        if (i + 1 >= argc) {
            error = std::string(opt.name) + " needs a value";
            return SIM_ARGS_ERROR;
        }
        int64_t v = 0;
        if (!parseNumber(argv[++i], opt.lo, opt.hi, v)) {
            error = std::string(opt.name) + " takes a whole number from " + std::to_string(opt.lo) +
                    " to " + std::to_string(opt.hi) + ", not '" + argv[i] + "'";
            return SIM_ARGS_ERROR;
        }
        store(o, which, v);
    }
    return SIM_ARGS_RUN;
}
