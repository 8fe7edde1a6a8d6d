// A robot's whole turn as the windows see it, its pauses, its hand-over and its abandonment.
#include "core/dice.h"
#include "core/hooks.h"
#include "core/turn.h"
#include "robot/robot.h"
#include "tests/support/logic_platform.h"
#include "tests/turn/turn_fixture.h"
#include <algorithm>
#include <filesystem>

namespace {

using Strings = std::vector<std::string>;

bool isSound(const std::string& e) {
    return e.rfind("sound ", 0) == 0;
}

int soundId(const std::string& e) {
    return std::stoi(e.substr(6));
}

class RobotTurn : public TurnTest {
  protected:
    // A fresh game of robots R1, R2...
    void restart(int robots) {
        gameState = GameState{};
        gameState.maxPlayers = MAX_SLOTS;
        gameState.dice = &dice;
        for (const char* n : {"R1", "R2", "R3"}) {
            if (robots-- > 0)
                addPlayer(n, true);
        }
    }
    // Checks one robot turn's events from resetThrow to the hand-over; returns the row written.
    int32_t expectOneTurn(const Strings& e, size_t& at, int32_t player, int32_t pauseMs) {
        auto next = [&]() -> std::string { return at < e.size() ? e[at++] : "<end>"; };
        for (const std::string& want : ReleaseAll()) {
            EXPECT_EQ(next(), want);
        }
        for (int k = 0; k < 3; k++) {
            EXPECT_EQ(next(), Ev("paint", PAINT_DICE_STRIP));
            EXPECT_EQ(next(), Ev("paint", PAINT_DICE_STRIP));
            if (options.throwSound) {
                const std::string s = next();
                EXPECT_TRUE(isSound(s) && soundId(s) >= 2402 && soundId(s) <= 2404) << s;
            }
            EXPECT_EQ(next(), Ev("pause", pauseMs));
        }
        EXPECT_EQ(next(), Ev("paint", PAINT_DICE_STRIP));
        while (at < e.size() && isSound(e[at])) { // the choice's own cues
            const int id = soundId(e[at++]);
            EXPECT_TRUE(id == 2401 || id == 2405 || id == 2406 || id == 2407) << id;
        }
        const std::string erase = next();
        const std::string prefix = "erase " + std::to_string(player) + " ";
        EXPECT_EQ(erase.rfind(prefix, 0), 0u) << erase;
        EXPECT_EQ(next(), Ev("paint", PAINT_SHEET));
        EXPECT_EQ(next(), "handOver");
        return erase.size() > prefix.size() ? std::stoi(erase.substr(prefix.size())) : -1;
    }
};

TEST_F(RobotTurn, ThrowsThreeTimesPausesAfterEachCommitsAndHandsOver) {
    for (int32_t longThrows : {1200, 0})
        for (int32_t sounds : {1, 0}) {
            SCOPED_TRACE(::testing::Message() << longThrows << " sounds " << sounds);
            options.longThrows = longThrows;
            options.throwSound = options.robotSound = sounds;
            restart(1);
            handOverRuns = false;
            newGame();
            Strings e = TakeEvents();
            ASSERT_GE(e.size(), 2u);
            EXPECT_EQ(e[0], Ev("paint", PAINT_ALL));
            size_t at = 1;
            const int32_t row = expectOneTurn(e, at, 0, longThrows ? 1800 : 600);
            EXPECT_EQ(at, e.size());
            ASSERT_GE(row, 0);
            EXPECT_NE(cells(0)[row], 0) << "the robot wrote the row it erased";
            EXPECT_EQ(gameState.throwsLeft, 0);
            EXPECT_EQ(gameState.diceOnBoard, 1);
            EXPECT_EQ(gameState.selection.selectable, 0);
            if (!sounds) {
                EXPECT_EQ(std::count_if(e.begin(), e.end(), isSound), 0);
            }
        }
}

TEST_F(RobotTurn, ARobotsOnlyGamePlaysItselfToTheEndInsideNewGame) {
    restart(3);
    newGame();
    Strings e = TakeEvents();
    ASSERT_FALSE(e.empty());
    EXPECT_EQ(e[0], Ev("paint", PAINT_ALL));
    size_t at = 1;
    for (int turn = 0; turn < 45; turn++) {
        SCOPED_TRACE(turn);
        const int32_t player = turn % 3;
        expectOneTurn(e, at, player, 1800);
        Strings passing{Ev("paint", PAINT_SHEET), Ev("paint", PAINT_DICE_STRIP),
                        Ev("paint", PAINT_CORNER_BOX)};
        for (const std::string& want : passing) {
            EXPECT_EQ(at < e.size() ? e[at++] : "<end>", want);
        }
        if (HasFailure())
            return;
    }
    EXPECT_EQ(Strings(e.begin() + static_cast<long>(at), e.end()),
              (Strings{"activate", "logo", Ev("paint", PAINT_TOP_TEN)}));
    EXPECT_EQ(gameState.turnsLeft, 0);
    EXPECT_TRUE(std::filesystem::exists("h_score"));
}

// Closing the window during a pause: the front end sets turnsLeft to 0 from its pause hook.
int pausesBeforeClose;
void closeAfterSomePauses(int32_t) {
    if (--pausesBeforeClose == 0)
        gameState.turnsLeft = 0;
}

TEST_F(RobotTurn, ClosingTheWindowDuringAPauseAbandonsTheGame) {
    for (int closeAt = 1; closeAt <= 3; closeAt++) {
        SCOPED_TRACE(closeAt);
        restart(2);
        pausesBeforeClose = 3 + closeAt; // R1's turn runs out, R2's stops after pause closeAt
        onPause = closeAfterSomePauses;
        newGame();
        Strings e = TakeEvents();
        int pauses = 0, handOvers = 0;
        for (const std::string& s : e) {
            pauses += s.rfind("pause", 0) == 0;
            handOvers += s == "handOver";
        }
        EXPECT_EQ(pauses, 3 + closeAt);
        EXPECT_EQ(handOvers, 1) << "only R1 handed its turn over";
        EXPECT_EQ(e.back(), Ev("pause", 1800)) << "nothing happens after the closing pause";
        int written = 0;
        for (int32_t r = 0; r < ROW_COUNT; r++)
            written += cells(1)[r] != 0;
        EXPECT_EQ(written, 0) << "R2 wrote nothing";
        EXPECT_FALSE(std::filesystem::exists("h_score")) << "no result offered";
        EXPECT_EQ(gameState.topTenShown, 0);
    }
}

} // namespace
