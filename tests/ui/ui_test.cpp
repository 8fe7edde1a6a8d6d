#include "tests/ui/ui_test.h"
#include "core/dice.h"
#include "core/hooks.h"
#include "core/random.h"
#include "core/settings.h"
#include "platform/dialog.h"
#include "res/resources.h"
#include "robot/robot.h"
#include "store/topten.h"
#include "ui/app.h"
#include "ui/dice_window.h"
#include "ui/paint.h"
#include "ui/pointer.h"
#include "ui/root_window.h"
#include "ui/sheet.h"
#include "ui/startup.h"
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

void UiTest::SetUp() {
    char name[] = "/tmp/dyxel-ui-XXXXXX";
    dir = mkdtemp(name);
    fs::current_path(dir);
    FakeReset();
    gameState = GameState{};
    extraSettings = ExtraSettings{};
    topTen = TopTenList{};
    holdAlikeMode = previewShown = diceWindowShown = 0;
    finishingUnseen = 0; // left set by a close during robots' turns, it would stop every paint
    sheetDirty = sheetFillPending = diceStripDirty = topTenDirty = cornerBoxDirty = 0;
    calendarTime = [] { return 1700000000u; };
    services = GameServices{}; // as the game's entry installs them
    services.robotTurn = robotTurn;
    services.robots[ROBOT_HEURISTIC] = heuristicRobot;
    crtSrand(1);
}

void UiTest::TearDown() {
    fs::current_path("/");
    fs::remove_all(dir);
}

int32_t RunGame(const std::function<void()>& play) {
    fake.loop = play;
    return DyxelMain();
}

void NewGame(const std::vector<std::string>& players) {
    for (const std::string& p : players)
        fake.entries.push_back(p[0] == '-' ? FakeEntry{p.substr(1), true, IDC_ADD_PLAYER}
                                           : FakeEntry{p, false, IDC_ADD_PLAYER});
    fake.entries.push_back(FakeEntry{"", false, IDC_ADD_PLAYER});
    platformEvents.rootCommand(IDM_NEW_GAME);
}

int32_t RowY(int32_t row) {
    return sheetMetrics.rowHeight * (row + 1) + 5;
}

std::string FileBytes(const char* name) {
    std::ifstream in(name, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

void SetDice(const char* pips, const char* held) {
    for (int32_t i = 0; i < 5; i++) {
        gameState.dice->face[i] = pips[i] - '1';
        gameState.dice->held[i] = held[i] - '0';
    }
}

std::string Dice() {
    std::string s;
    for (int32_t i = 0; i < 5; i++)
        s += static_cast<char>('1' + gameState.dice->face[i]);
    return s;
}

uint64_t FaceHash(int32_t pips, bool held) {
    const Fake saved = fake;
    fake.window[WINDOW_DICE].Resize(344, 88);
    Picture* p = LoadPicture(IDB_DIE_FIRST + pips - 1 + (held ? 6 : 0));
    Surface* s = AcquireDieSurface(0);
    CopyPicture(s, p, 0, 0, 64, 64, 0, 0);
    ReleaseSurface(s);
    FreePicture(p);
    const uint64_t h = FakeDieHash(0);
    fake = saved;
    return h;
}

void ExpectPicture(WindowId w, const std::string& name) {
    std::ifstream list(DYXEL_PICTURES);
    std::string n, stored;
    while (list >> n >> stored && n != name) {
    }
    char actual[32];
    std::snprintf(actual, sizeof actual, "%016llx",
                  static_cast<unsigned long long>(fake.window[w].Hash()));
    if (n != name || stored != actual) {
        FakeSave(w, std::string(DYXEL_PICTURE_DIR) + "/" + name + ".ppm");
        ADD_FAILURE() << "picture " << name << " is " << actual << ", stored "
                      << (n == name ? stored : "none");
    }
}
