#include "core/hooks.h"
#include "platform/msgbox.h"
#include "tests/ui/ui_test.h"
#include "ui/app.h"
#include "ui/paint.h"
#include "ui/root_window.h"
#include "ui/sheet.h"
#include "ui/startup.h"
#include <filesystem>

namespace {

// Starts the program afresh against a reset fake; the loop runs `loop` and returns 0.
int32_t RunProgram(const std::function<void()>& loop) {
    ReleaseSurfaces();
    FakeReset();
    gameState = GameState{};
    fake.loopScript = loop;
    return DyxelMain();
}

} // namespace

TEST_F(UiTest, StartUpRunsInOrderAndShutdownSavesTheOptionsLast) {
    bool stateBeforeLoop = true, pensGoneFirst = false;
    ASSERT_EQ(RunProgram([&] {
                  stateBeforeLoop = std::filesystem::exists("state");
                  EXPECT_NE(gameState.dice, nullptr) << "the dice exist before the loop";
                  fake.onLog = [&](const std::string& line) {
                      if (line.rfind("free picture", 0) == 0 && !pensGoneFirst)
                          pensGoneFirst =
                              !std::filesystem::exists("state") &&
                              gridPen.width + markPen.width + framePen.width + erasePen.width == 0;
                  };
                  platformEvents.rootCommand(IDM_LONG_THROWS);
                  platformEvents.rootCommand(IDM_QUIT);
              }),
              0);
    // clang-format off
    const std::string order[] = {
        "register classes", "create root 'Tolvik dyxel' 400x494", "check 1007 on", "check 1011 on",
        "check 1008 on", "check 1009 on", "check 1010 off", "check 1013 off",
        "create dice 'T\xe4rningarna' at (400,100) width 350", "load picture 102",
        "load picture 113", "load picture 116", "load picture 114", "show root", "paint root",
        "hide dice", "sound 2401", Stretch(114, "(0,0,300,450)", "(0,0,392,448)"), LOGO, "loop",
        "help close", "close root", "help close", "loop ends", "free picture 102",
        "free picture 113", "free picture 116", "free picture 114"};
    // clang-format on
    int at = 0;
    for (const std::string& line : order) {
        const int next = FakeIndexOf(line, at);
        EXPECT_GE(next, at) << "missing or out of order: " << line;
        at = next < 0 ? at : next;
    }
    EXPECT_EQ(FakeLinesContaining("free picture").size(), 14u);
    EXPECT_TRUE(fake.boxes.empty());
    EXPECT_FALSE(stateBeforeLoop) << "nothing is saved while running";
    EXPECT_TRUE(pensGoneFirst) << "pens, then pictures, then the options";
    // The defaults, with "&L\xe5nga kast" toggled off.
    EXPECT_EQ(FileBytes("state"),
              std::string("\1\0\0\0\0\0\0\0\1\0\0\0\1\0\0\0\1\0\0\0\0\0\0\0\0\0\0\0", 28));
}

TEST_F(UiTest, MissingPicturesAreReportedAndSkippedAndTheSizeFollowsTheFont) {
    ReleaseSurfaces();
    FakeReset();
    fake.missingPictures = {104, 116, 114};
    fake.avgCharWidth = 8; // the root window's width follows the font
    ASSERT_TRUE(CreateGameWindows());
    EXPECT_TRUE(FakeLogged("create root 'Tolvik dyxel' 440x494"));
    ASSERT_EQ(fake.boxes.size(), 3u);
    const char* texts[] = {"can't load bitmap!", "can't load logo bitmap!",
                           "can't load bkg bitmap!"};
    for (size_t i = 0; i < 3; i++) {
        EXPECT_EQ(fake.boxes[i].text, texts[i]);
        EXPECT_EQ(fake.boxes[i].caption, "error");
        EXPECT_EQ(fake.boxes[i].style, MBOX_OK);
        EXPECT_TRUE(fake.boxes[i].owned);
    }
    gameState.dice = &testDice;
    SetDice({3, 1, 3, 1, 1});
    gameState.diceOnBoard = 1;
    FakeClearLog();
    RequestPaint(PAINT_ALL);
    InvalidateArea(WINDOW_ROOT, Rect{0, 0, 392, 448});
    UpdateWindowNow(WINDOW_ROOT);
    EXPECT_TRUE(FakeLinesContaining("picture 104").empty());
    EXPECT_TRUE(FakeLinesContaining("picture 114").empty());
    EXPECT_TRUE(FakeLinesContaining("picture 116").empty());
    EXPECT_EQ(FakeLinesContaining("stretch picture 102").size(), 6u);
    FakeClearLog();
    platformEvents.dieRedraw(0);
    EXPECT_TRUE(FakeLogged("die0: fill (0,0,64,64) white")) << "a die without picture is blank";
}

TEST_F(UiTest, StartUpFailuresEndWithTheirExitCodes) {
    const struct {
        bool FakePlatform::*failure;
        int32_t exitCode;
        std::vector<std::pair<std::string, std::string>> boxes;
    } cases[] = {
        {&FakePlatform::registerFails, 1, {{"error", "Creating Classes"}}},
        {&FakePlatform::rootCreateFails,
         2,
         {{"can't create root win!", "error"}, {"error", "Creating windows"}}},
        {&FakePlatform::diceCreateFails,
         2,
         {{"can't create dice win!", "error"}, {"error", "Creating windows"}}},
    };
    for (const auto& c : cases) {
        ReleaseSurfaces();
        FakeReset();
        fake.*c.failure = true;
        bool looped = false;
        fake.loopScript = [&] { looped = true; };
        EXPECT_EQ(DyxelMain(), c.exitCode);
        EXPECT_FALSE(looped);
        ASSERT_EQ(fake.boxes.size(), c.boxes.size());
        for (size_t i = 0; i < c.boxes.size(); i++) {
            EXPECT_EQ(fake.boxes[i].text, c.boxes[i].first);
            EXPECT_EQ(fake.boxes[i].caption, c.boxes[i].second);
        }
        EXPECT_FALSE(fake.boxes.back().owned);
        EXPECT_FALSE(std::filesystem::exists("state")) << "options are not saved on failure";
    }
}
