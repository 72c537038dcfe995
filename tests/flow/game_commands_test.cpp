// The letter keys, the Return key, starting a game and leaving the program.
#include <gtest/gtest.h>

#include "rules/logic_probe.h"
#include "tests/support/file_calls.h"
#include "tests/support/game_harness.h"

namespace {

using Calls = fakes::CallLog;

struct Commands : ::testing::Test {
    Commands() {
        h.createAndShow();
        h.clearLog();
    }
    logic& game() { return *h.game; }
    void press(const std::string& keys) {
        for (char ch : keys) game().KeyPressed(plat::Integer(static_cast<unsigned char>(ch)));
    }
    // A game that ended with a score worth a row, its name pending.
    void endWithTopScore() {
        h.startGame();
        LogicProbe::setScore(game(), 500);
        LogicProbe::setBoard(game(), 10, 4, 3, 3, 3, 3);
        game().Timer();
        h.clearLog();
    }
    fakes::GameHarness h;
};

TEST_F(Commands, LettersCallTheMenuActionsInBothCasesAndOtherCharactersNothing) {
    press("sSoOiIcCeEhH0 9aqxz.\t\r\x1b");
    EXPECT_EQ(h.log, (Calls{"StartClick()", "StartClick()", "OptionsMouseDown()", "OptionsMouseDown()", "InfoClick()",
                            "InfoClick()", "ScoresClicked()", "ScoresClicked()", "ExitClicked()", "ExitClicked()",
                            "HelpClicked()", "HelpClicked()"}));
}

TEST_F(Commands, PausePausesOnlyARunningTickAndNeverEndsAPause) {
    press("p");
    EXPECT_FALSE(h.visual().pause().visible());
    h.startGame();
    press("P");
    EXPECT_TRUE(h.visual().pause().visible());
    EXPECT_EQ(LogicProbe::paused(game()), -1);
    press("p");
    EXPECT_TRUE(h.visual().pause().visible());
}

TEST_F(Commands, WhileANameIsPendingLettersGoIntoTheName) {
    endWithTopScore();
    press("ps");
    EXPECT_EQ(LogicProbe::topName(game(), 0), "ps");
    EXPECT_TRUE(h.log.empty());
}

TEST_F(Commands, StartingAGameSetsLevelScoreBoardAndSpeed) {
    const int intervals[] = {333, 300, 270, 243, 219, 197, 177, 159, 143, 129};
    for (int level = 1; level <= 10; ++level) {
        game().SetStartLevel(plat::Integer(level));
        game().StartNewGame();
        EXPECT_EQ(h.visual().Timer1().interval(), intervals[level - 1]) << level;
        EXPECT_EQ(h.visual().level().caption(), std::to_string(level));
        EXPECT_EQ(LogicProbe::gameStartLevel(game()), level);
    }
    EXPECT_EQ(LogicProbe::state(game()), NewBlockDue);
    EXPECT_EQ(h.visual().score().caption(), "0");
    EXPECT_TRUE(h.visual().Timer1().enabled());
    EXPECT_TRUE(h.visual().center().visible());
    EXPECT_TRUE(h.visual().center().enabled());
    EXPECT_EQ(h.log[0], "ClearBoxes()");
    EXPECT_EQ(h.log[1], "ClearBugLasers()");
    EXPECT_EQ(h.log[2], "DisableGameOver()");
}

TEST_F(Commands, ReturnActsOnTheFirstShownControlOnly) {
    h.startGame();
    h.visual().topTen().setVisible(true);
    press("p");
    game().ReturnPressed();
    EXPECT_FALSE(h.visual().topTen().visible());
    EXPECT_TRUE(h.visual().pause().visible());
    game().ReturnPressed();
    EXPECT_FALSE(h.visual().pause().visible());
    EXPECT_EQ(LogicProbe::paused(game()), -1);
}

TEST_F(Commands, ReturnClosesTheTextPanels) {
    h.visual().message3().setVisible(true);
    game().ReturnPressed();
    EXPECT_EQ(h.log, (Calls{"MessageOff()"}));
}

TEST_F(Commands, ReturnDuringGameOverOpensTheTableWithTheNameEntry) {
    endWithTopScore();
    game().ReturnPressed();
    EXPECT_EQ(h.log[0], "DisableGameOver()");
    EXPECT_TRUE(h.visual().topTen().visible());
    EXPECT_TRUE(h.visual().EnterYourName().visible());
    // The character of the same Return leaves the empty name as it is.
    game().KeyPressed(13);
    EXPECT_EQ(LogicProbe::state(game()), NamePending);

    // Return ends the entry and keeps the table; a second one hides it.
    game().ReturnPressed();
    EXPECT_EQ(LogicProbe::state(game()), NoGame);
    EXPECT_FALSE(h.visual().EnterYourName().visible());
    EXPECT_TRUE(h.visual().topTen().visible());
    game().ReturnPressed();
    EXPECT_FALSE(h.visual().topTen().visible());
}

TEST_F(Commands, ReturnNeverEndsAGameStartedDuringTheNameEntry) {
    endWithTopScore();
    game().ReturnPressed();
    press("A");
    // The menu's START hides the table and starts a game, which ends the
    // entry's display.
    h.visual().topTen().setVisible(false);
    h.startGame();
    EXPECT_FALSE(h.visual().EnterYourName().visible());
    EXPECT_FALSE(h.visual().CursorTimer().enabled());
    game().ReturnPressed();
    EXPECT_EQ(LogicProbe::state(game()), NewBlockDue);
    EXPECT_EQ(LogicProbe::topName(game(), 0), "A");
    h.giveBlock(true, true, false, false);
    game().Timer();
    EXPECT_EQ(LogicProbe::state(game()), BlockFalling);
}

TEST_F(Commands, ExitWritesTheTableWithoutTheRunningGameAndEnds) {
    h.startGame();
    LogicProbe::setScore(game(), 9999);
    h.sys.setScreenPointer(plat::PointerHourglass);
    EXPECT_TRUE(h.exitGame());
    EXPECT_EQ(h.sys.screenPointer(), plat::PointerDefault);
    EXPECT_FALSE(h.visual().center().visible());
    EXPECT_EQ(h.log, (Calls{"MessageOff()"}));
    std::string file = h.readFile("HI.SCO");
    EXPECT_EQ(file.find("9999"), std::string::npos);
    EXPECT_EQ(file.substr(0, 16), "\"Oru\",1,1,100\r\n\"");
}

TEST_F(Commands, ExitStillEndsWhenTheTableCannotBeWritten) {
    std::string before = h.readFile("HI.SCO");
    support::FileCallsSwap swap;
    swap.calls().open = support::CreatingRefused;
    EXPECT_TRUE(h.exitGame());
    EXPECT_EQ(h.readFile("HI.SCO"), before);
}

}  // namespace
