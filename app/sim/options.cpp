#include "app/sim/options.h"
#include <cstring>
#include <iterator>

const char SIM_USAGE[] =
    "usage: dyxel-sim [--robots N] [--games N] [--time T] [--alt-dice 0|1]\n"
    "                 [--throw-sound 0|1] [--robot-sound 0|1] [--expert 0|1] [--trace]\n"
    "                 [--top-ten] [--players KINDS]\n"
    "       dyxel-sim --advise\n"
    "       dyxel-sim --review\n"
    "\n"
    "Plays games of robots only, one after another, with no window.\n"
    "  --robots N         robot players R1 to RN, 1 to 5 (default 1)\n"
    "  --games N          games to play, 1 to 1000000000 (default 1)\n"
    "  --time T           calendar time seeding game 1, 0 to 4294967295; game k gets\n"
    "                     T + k - 1 (default: now)\n"
    "  --alt-dice 0|1     dice from the C-runtime generator (default 1)\n"
    "  --throw-sound 0|1  throw sound cue (default 1)\n"
    "  --robot-sound 0|1  robot sound cues (default 1)\n"
    "  --expert 0|1       robots play the optimal strategy (default 0)\n"
    "  --trace            print every throw, sound, row and game end instead of the summary\n"
    "  --top-ten          offer every total to the list in h_score, as the game does\n"
    "  --players KINDS    one seat each, R1 first, of a comma list of 1 to 5 kinds:\n"
    "                     robot, expert or champion (instead of --robots and --expert);\n"
    "                     the summary adds each seat's wins, a tie shared\n"
    "\n"
    "Without --trace it prints, over every player's sheet of every game:\n"
    "  games: G, robots: N, sheets: S\n"
    "  total: mean M.MM, min A, max B\n"
    "  bonus: P.PP% of sheets\n"
    "  dyxel: Q.QQ% of sheets\n"
    "  wins: W1 W2 ...     (with --players: each seat's wins, a tie shared)\n"
    "  speed: R games/s\n"
    "\n"
    "With --advise it reads positions from standard input, one a line:\n"
    "  USED SUMMA DICE THROWS\n"
    "USED is 15 characters 0 or 1, one for each row a player chooses, in sheet order\n"
    "(1:or to 6:or, then 1 par to Dyxel), 1 for a used row; SUMMA is the upper sum so\n"
    "far; DICE five pips 1 to 6, as 14566; THROWS the throws still allowed, 2, 1 or 0.\n"
    "For each line it prints the optimal move:\n"
    "  keep PIPS          the dice to hold, ascending, or - for none (THROWS above 0)\n"
    "  row R              the sheet row to write, 0 to 16 (THROWS 0)\n"
    "  error REASON       for a line it cannot read\n"
    "\n"
    "With --review it reads a trace (--trace) from standard input and weighs every\n"
    "decision against the optimal strategy, one line each:\n"
    "  review g=G t=T p=P k=K loss=L best=B\n"
    "K 1 and 2 the dice held after those throws, 3 the row; L what the choice lost in\n"
    "expected final total; B the best keep (pips ascending, - for none) or row. Then,\n"
    "for each seat of a game:\n"
    "  review g=G p=P decisions=N loss=SUM\n";

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
    {"--expert", 0, 1},
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
    case 5:
        o.robotSound = static_cast<int32_t>(v);
        break;
    default:
        o.expert = static_cast<int32_t>(v);
        break;
    }
}

// "robot,expert,champion": 1 to 5 kinds.
bool parseKinds(const char* text, SimOptions& o) {
    static const char* const NAMES[] = {"robot", "expert", "champion"};
    o.players = 0;
    for (const char* c = text; c != nullptr;) {
        const char* comma = std::strchr(c, ',');
        const size_t n = comma ? static_cast<size_t>(comma - c) : std::strlen(c);
        int kind = -1;
        for (int k = 0; k < 3; k++)
            if (std::strlen(NAMES[k]) == n && std::strncmp(c, NAMES[k], n) == 0)
                kind = k;
        if (kind < 0 || o.players == 5)
            return false;
        o.kinds[o.players++] = kind;
        c = comma ? comma + 1 : nullptr;
    }
    return true;
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
        if (std::strcmp(arg, "--advise") == 0) {
            o.advise = true;
            continue;
        }
        if (std::strcmp(arg, "--review") == 0) {
            o.review = true;
            continue;
        }
        if (std::strcmp(arg, "--players") == 0) {
            if (i + 1 >= argc || !parseKinds(argv[++i], o)) {
                error = "--players takes 1 to 5 of robot, expert, champion with commas";
                return SIM_ARGS_ERROR;
            }
            o.robots = o.players;
            continue;
        }
        int which = -1;
        for (int k = 0; k < static_cast<int>(std::size(NUMBER_OPTIONS)); k++)
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
    if (o.players > 0)
        o.robots = o.players;
    return SIM_ARGS_RUN;
}
