// The screen in words: a human turn and a robots' game read through the twin's text, and what
// is said between two looks, as the page looks each time the game waits.
#include "core/scoring.h"
#include "tests/ui/ui_test.h"
#include "ui/access.h"
#include "ui/dice_window.h"
#include "ui/pointer.h"
#include "ui/root_window.h"

namespace {

AccessView seen;

// What is said since the last look.
std::string said() {
    AccessView now;
    CaptureAccessView(&now);
    char out[2048];
    DescribeAccessChange(seen, now, out, sizeof out);
    seen = now;
    return out;
}
std::string twin() {
    char out[4096];
    FormatAccessView(seen, out, sizeof out);
    return out;
}
std::string spaced(const std::string& pips) {
    std::string s;
    for (char c : pips)
        s += (s.empty() ? "" : " ") + std::string(1, c);
    return s;
}
bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST_F(UiTest, TheTwinReadsAHumanTurnAndSaysWhatHappens) {
    RunGame([] {
        seen = AccessView{};
        NewGame({"ABC", "-R"});
        EXPECT_EQ(said(),
                  "Nytt spel: ABC, R. Tur: ABC. T\xe4rningar: " + spaced(Dice()) + ", kvar 2. ");
        EXPECT_TRUE(has(twin(), "game\t2\t0\t30\t2\ndice\t1\t0\t" + Dice() + "\t00000\n"));
        SetDice("33253");
        said();
        platformEvents.diceCommand(IDM_ALIKE);
        platformEvents.diePressed(0);
        EXPECT_EQ(said(), "Lika p\xe5. H\xe5ller: 3 3 3. ");
        platformEvents.diceCommand(IDM_RELEASE_ALL);
        EXPECT_EQ(said(), "Lika av. H\xe5ller inga. ");
        platformEvents.diceCommand(IDM_DONE);
        EXPECT_EQ(said(),
                  "T\xe4rningar: 2 3 3 3 5. V\xe4lj rad med upp och ned, skriv med retur. ");
        platformEvents.rootKey(KEY_DOWN);
        EXPECT_EQ(said(), "F\xf6rslag 1:or: 0, summa 0, bonus 0, Total 0. ");
        platformEvents.rootKey(KEY_DOWN);
        platformEvents.rootKey(KEY_DOWN);
        EXPECT_EQ(said(), "F\xf6rslag 3:or: 9, summa 9, bonus 0, Total 9. ");
        // The screen's cells: the would-be values marked, the proposed cell selected.
        const std::string shown = twin();
        EXPECT_TRUE(has(shown, "strip\tT\xe4rningar: 2 3 3 3 5\ncorner\tABC, Omg\xe5ng: 1\n"
                               "cols\tABC\tR\nrow\t1:or\t\t\nrow\t2:or\t\t\n"
                               "row\t3:or\t9 f\xf6rslag\t\n"))
            << shown;
        EXPECT_TRUE(has(shown, "row\tsumma\t9 f\xf6rslag\t\nrow\tbonus\t\t\n"));
        // The ring round "3:or" of the first column: its lines at x 87, 122 and y 58, 77.
        EXPECT_TRUE(has(shown, "row\tTotal\t9 f\xf6rslag\t\nsel\t0\t2\nring\t87\t58\t123\t78\n"));
        platformEvents.rootKey(KEY_RETURN); // the robot's whole turn runs inside
        const std::string next = said();
        EXPECT_EQ(next.rfind("ABC: 3:or 9. R: ", 0), 0u) << next;
        EXPECT_TRUE(has(next, ". Tur: ABC. T\xe4rningar: " + spaced(Dice()) + ", kvar 2. "));
        EXPECT_TRUE(has(twin(), "row\t3:or\t9\t"));

        EXPECT_EQ(said(), "") << "nothing new, nothing said";
    });
}

TEST_F(UiTest, TheTwinReadsTheEndOfARobotsGameAndTheList) {
    RunGame([] {
        seen = AccessView{};
        std::vector<std::string> looks; // one after each throw
        fake.onPause = [&looks] { looks.push_back(said()); };
        NewGame({"-R1", "-R2"});
        fake.onPause = nullptr;
        ASSERT_EQ(looks.size(), 90u);
        EXPECT_EQ(looks[0].rfind("Nytt spel: R1, R2. Tur: R1, robot. R1 kastar: ", 0), 0u);
        EXPECT_EQ(looks[1].rfind("R1 kastar: ", 0), 0u) << looks[1];
        EXPECT_EQ(looks[3].find("R1: "), 0u) << "written before R2's turn: " << looks[3];
        EXPECT_TRUE(has(looks[3], ". Tur: R2, robot. R2 kastar: ")) << looks[3];
        const std::string end = said();
        EXPECT_EQ(end.rfind("R2: "), 0u) << "R2's last row: " << end;
        EXPECT_TRUE(has(end, ". Spelet \xe4r slut. R1 191, R2 199. ")) << end;
        const std::string shown = twin();
        EXPECT_TRUE(has(shown, "corner\t\n")) << "the logo, no round";
        EXPECT_TRUE(has(shown, "row\tTotal\t191\t199\n"));
        EXPECT_TRUE(has(shown, "\ntop\t1. R2 199\ntop\t2. R1 191\n"));
        EXPECT_FALSE(has(shown, "sel\t"));
        EXPECT_TRUE(has(shown, "\nring\t17\t2\t264\t363\n")) << "the whole sheet";
        char tiny[8];
        EXPECT_EQ(FormatAccessView(seen, tiny, sizeof tiny), 7) << "cut, never past the end";
    });
}
