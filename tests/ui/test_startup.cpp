// Start-up and shutdown: what the player sees first, the options read and written back, and
// the boxes and exit codes when something is missing.
#include "core/settings.h"
#include "platform/msgbox.h"
#include "res/resources.h"
#include "tests/ui/ui_test.h"
#include "ui/root_window.h"

TEST_F(UiTest, StartsWithTheLogoAndTheDefaultOptionsAndSavesThemAtExit) {
    bool sawWindows = false;
    EXPECT_EQ(RunGame([&] {
                  ExpectPicture(WINDOW_ROOT, "startup");
                  sawWindows = fake.shown[WINDOW_ROOT] && !fake.shown[WINDOW_DICE];
              }),
              0);
    EXPECT_TRUE(sawWindows);
    EXPECT_EQ(fake.title[WINDOW_ROOT], "Tolvik dyxel");
    EXPECT_EQ(fake.rootOuterWidth * 1000 + fake.rootOuterHeight, 400494) << "8W + 120 by 26H";
    EXPECT_EQ(fake.title[WINDOW_DICE], "T\xe4rningarna");
    const std::map<int32_t, bool> checks{{IDM_ALT_DICE, true},          {IDM_LONG_THROWS, true},
                                         {IDM_THROW_SOUND, true},       {IDM_ROBOT_SOUND, true},
                                         {IDM_UNLIMITED_THROWS, false}, {IDM_SORTED_THROW, false},
                                         {IDM_EXPERT, false},           {IDM_CHAMPION, false}};
    EXPECT_EQ(fake.checks, checks);
    EXPECT_EQ(fake.sounds, std::vector<int32_t>{IDW_FIVE_ALIKE});
    EXPECT_EQ(FileBytes("state"), std::string("\1\0\0\0\0\0\0\0\1\0\0\0\1\0\0\0\1\0\0\0"
                                              "\xb0\4\0\0\0\0\0\0",
                                              28));
    EXPECT_TRUE(fake.boxes.empty());
    EXPECT_EQ(fake.livePictures, 0);
    EXPECT_EQ(fake.openSurfaces, 0);
}

TEST_F(UiTest, AnEmptyOptionsFileTurnsEveryOptionOffTheStartUpSoundIncluded) {
    FILE* f = fopen("state", "w");
    fclose(f);
    RunGame([] {});
    EXPECT_TRUE(fake.sounds.empty());
    for (const auto& [id, on] : fake.checks)
        EXPECT_FALSE(on) << id;
    EXPECT_EQ(FileBytes("state"), std::string(28, '\0'));
}

TEST_F(UiTest, StartUpFailuresShowTheirBoxesAndEndWithTheirCodes) {
    struct Case {
        const char* what;
        int32_t code;
        std::vector<std::string> boxes; // "text/caption"
    };
    const Case cases[] = {
        {"register", 1, {"error/Creating Classes"}},
        {"root", 2, {"can't create root win!/error", "error/Creating windows"}},
        {"dice", 2, {"can't create dice win!/error", "error/Creating windows"}},
        {"pictures",
         0,
         {"can't load bitmap!/error", "can't load logo bitmap!/error",
          "can't load bkg bitmap!/error"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeReset();
        const std::string w = c.what;
        fake.registerFails = w == "register";
        fake.rootCreateFails = w == "root";
        fake.diceCreateFails = w == "dice";
        if (w == "pictures")
            fake.missingPictures = {IDB_DIE_FIRST + 3, IDB_LOGO, IDB_BACKGROUND};
        std::remove("state");
        EXPECT_EQ(RunGame([] {}), c.code);
        std::vector<std::string> boxes;
        for (const FakeBox& b : fake.boxes)
            boxes.push_back(b.text + "/" + b.caption);
        EXPECT_EQ(boxes, c.boxes);
        // Only a start-up that reached the loop writes the options.
        EXPECT_EQ(FileBytes("state").size(), c.code == 0 ? 28u : 0u);
    }
}
