#include "tests/ui/ui_test.h"
#include "core/hooks.h"
#include "core/scoring.h"
#include "core/turn.h"
#include "store/topten.h"
#include "ui/dialog.h"
#include "ui/dice_window.h"
#include "ui/paint.h"
#include "ui/pointer.h"
#include "ui/startup.h"
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

void UiTest::SetUp() {
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    oldDir_ = cwd;
    scratchDir_ = (std::filesystem::temp_directory_path() / "dyxel-ui-XXXXXX").string();
    ASSERT_NE(mkdtemp(scratchDir_.data()), nullptr);
    ASSERT_EQ(chdir(scratchDir_.c_str()), 0);

    FakeReset();
    gameState = GameState{};
    topTen = TopTenList{};
    sheetDirty = sheetFillPending = diceStripDirty = topTenDirty = cornerBoxDirty = 0;
    paintBatch = 0;
    previewShown = 0;
    shownSelection = Selection{};
    holdAlikeMode = 0;
    diceWindowShown = 0;
    playerDialogStartsGame = 0;
    SetDefaultSettings(&testSettings);
    settings = &testSettings;
    InstallFrontEnd();
    ASSERT_TRUE(CreateGameWindows());
    gameState.dice = &testDice;
    FakeClearLog();
    fake.boxes.clear();
}

void UiTest::TearDown() {
    fake.onLog = nullptr;
    ReleaseSurfaces();
    EXPECT_EQ(fake.openSurfaces, 0) << "a surface was acquired and never released";
    EXPECT_EQ(fake.livePictures, 0);
    frontEnd = FrontEndHooks{};
    platformEvents = PlatformEvents{};
    settings = nullptr;
    gameState.dice = nullptr;
    EXPECT_EQ(chdir(oldDir_.c_str()), 0);
    std::filesystem::remove_all(scratchDir_);
}

void UiTest::AddPlayers(std::initializer_list<const char*> names, bool robots) {
    gameState.maxPlayers = MAX_SLOTS;
    for (const char* name : names)
        AddPlayer(name, static_cast<int32_t>(std::strlen(name)), robots);
    gameState.turnsLeft = gameState.playerCount * TURNS_PER_PLAYER;
    gameState.sheetVisible = 1;
}

void UiTest::SetDice(std::initializer_list<int> pips) {
    int i = 0;
    for (int p : pips) {
        testDice.face[i] = p - 1;
        testDice.held[i] = 0;
        i++;
    }
    // The counts for scoring, without sorting the dice themselves.
    DiceThrow counted = testDice;
    analyseThrow(counted);
    std::memcpy(testDice.faceCount, counted.faceCount, sizeof testDice.faceCount);
}

std::string RootText(const std::string& text, int x, int y, const char* colour) {
    return "root: text '" + text + "' at (" + std::to_string(x) + "," + std::to_string(y) +
           ") colour " + colour;
}

std::string CellText(const std::string& text, int row, const char* colour, int column) {
    return RootText(text, 94 + 35 * column, 22 + 19 * row, colour);
}

std::string CellBox(int row, const char* penAndBrush, int column) {
    return "root: rect " +
           FakeRect(Rect{90 + 35 * column, 23 + 19 * row, 121 + 35 * column, 38 + 19 * row}) + " " +
           penAndBrush;
}

std::string Stretch(int picture, const std::string& from, const std::string& to) {
    return "root: stretch picture " + std::to_string(picture) + " from " + from + " to " + to;
}

void ExpectLogged(std::initializer_list<std::string> lines) {
    for (const std::string& line : lines)
        EXPECT_TRUE(FakeLogged(line)) << "not logged: " << line;
}

std::string UiTest::FileBytes(const char* name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
