#include "tests/turn/turn_fixture.h"
#include "core/dice.h"
#include "core/hooks.h"
#include "core/scoring.h"
#include "core/turn.h"
#include "robot/robot.h"
#include "store/topten.h"
#include "tests/support/logic_platform.h"
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

std::vector<std::string> events;
bool handOverRuns = true;
void (*onPause)(int32_t milliseconds);

std::string Ev(const char* name, int a) {
    return std::string(name) + " " + std::to_string(a);
}

std::string Ev(const char* name, int a, int b) {
    return Ev(name, a) + " " + std::to_string(b);
}

std::vector<std::string> ReleaseAll() {
    std::vector<std::string> v{"alikeOff"};
    for (int i = 0; i < 5; i++)
        v.push_back(Ev("release", i));
    return v;
}

std::vector<std::string> Concat(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

namespace {

// Moves the sounds played since the last event into the event list.
void flushSounds() {
    for (int id : recordedSounds)
        events.push_back(Ev("sound", id));
    recordedSounds.clear();
}

void log(std::string e) {
    flushSounds();
    events.push_back(std::move(e));
}

// The calendar time every test seeds from.
uint32_t fixedClock() {
    return 1700000000;
}

void installRecorder() {
    frontEnd = FrontEndHooks{};
    frontEnd.eraseCommittedCell = [](int32_t p, int32_t r) { log(Ev("erase", p, r)); };
    frontEnd.requestPaint = [](int32_t area) { log(Ev("paint", area)); };
    frontEnd.showDiceWindow = [] { log("show"); };
    frontEnd.setDiceTitle = [](int32_t p, int32_t n) { log(Ev("title", p, n)); };
    frontEnd.redrawDice = [] { log("redraw"); };
    frontEnd.releaseDie = [](int32_t i) { log(Ev("release", i)); };
    frontEnd.alikeModeOff = [] { log("alikeOff"); };
    frontEnd.applyAlike = [] { log("applyAlike"); };
    frontEnd.hideDiceWindow = [] { log("hide"); };
    frontEnd.drawCornerBoxLogo = [] { log("logo"); };
    frontEnd.activateRootWindow = [] { log("activate"); };
    frontEnd.pause = [](int32_t ms) {
        log(Ev("pause", ms));
        if (onPause)
            onPause(ms);
    };
    frontEnd.sendCommitRequest = [] {
        log("handOver");
        if (handOverRuns)
            completeTurn();
    };
}

} // namespace

std::vector<std::string> TakeEvents() {
    flushSounds();
    std::vector<std::string> taken;
    taken.swap(events);
    return taken;
}

void TurnTest::SetUp() {
    char templ[] = "/tmp/dyxel-turn-XXXXXX";
    ASSERT_NE(mkdtemp(templ), nullptr);
    dir = templ;
    savedCwd = std::filesystem::current_path().string();
    std::filesystem::current_path(dir);

    SetDefaultSettings(&options);
    settings = &options;
    gameState = GameState{};
    gameState.maxPlayers = MAX_SLOTS;
    gameState.dice = &dice;
    holdAlikeMode = 0;
    topTen = TopTenList{}; // the list in memory outlives a test; the file does not
    offerResults = OfferResultsToTopTen;
    robotPlanned = nullptr;
    calendarTime = fixedClock;
    crtSrand(1);
    ClearPlatformRecords();
    events.clear();
    handOverRuns = true;
    onPause = nullptr;
    installRecorder();
}

void TurnTest::TearDown() {
    frontEnd = FrontEndHooks{};
    settings = nullptr;
    gameState.dice = nullptr;
    std::filesystem::current_path(savedCwd);
    std::filesystem::remove_all(dir);
}

void TurnTest::addPlayer(const char* name, bool robot) {
    PlayerSheet& sheet = gameState.players[gameState.playerCount++];
    snprintf(sheet.name, sizeof sheet.name, "%s", name);
    sheet.isRobot = robot ? 1 : 0;
}

void TurnTest::setDice(std::initializer_list<int> pips) {
    int i = 0;
    for (int p : pips) {
        dice.face[i] = p - 1;
        dice.held[i] = 0;
        i++;
    }
    analyseThrow(dice);
}
