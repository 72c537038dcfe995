// Where the game yields to the event loop: a character typed beforehand is
// handled at the first yield, and the test notes what had been done by then.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "rules/logic_probe.h"
#include "tests/support/game_harness.h"

namespace {

struct YieldPoints : ::testing::Test {
    YieldPoints() {
        h.createAndShow();
        h.startGame();
    }
    logic& game() { return *h.game; }
    // The next yield runs `look` once (when the game window takes keys).
    void atNextYield(std::function<void()> look) {
        plat::Form& window = h.visual().form();
        h.sys.activate(&window);
        window.onKeyPress = [this, look](int) {
            yielded = true;
            look();
        };
        h.sys.post({plat::InputEvent::Type::Char, 'q'});
    }
    fakes::GameHarness h;
    bool yielded = false;
};

TEST_F(YieldPoints, StartingAGameNeverYields) {
    atNextYield([] {});
    game().StartNewGame();
    EXPECT_FALSE(yielded);
    EXPECT_TRUE(h.sys.inputPending());
}

TEST_F(YieldPoints, GameOverYieldsAfterClearingTheLasersAndBeforeThePicture) {
    LogicProbe::setBoard(game(), 10, 4, 1, 1, 1, 1);
    fakes::CallLog seen;
    bool timerOn = true, centerOn = false, pictureShown = true;
    plat::Integer state = 0;
    atNextYield([&] {
        seen = h.log;
        state = LogicProbe::state(game());
        timerOn = h.visual().Timer1().enabled();
        centerOn = h.visual().center().enabled();
        pictureShown = h.visual().gameOver().visible();
    });
    game().Timer();
    ASSERT_TRUE(yielded);
    EXPECT_EQ(seen, (fakes::CallLog{"ClearBoxes()", "ClearBugLasers()"}));
    EXPECT_EQ(state, NoGame);
    EXPECT_FALSE(timerOn);
    EXPECT_TRUE(centerOn);
    EXPECT_FALSE(pictureShown);
    EXPECT_TRUE(h.visual().gameOver().visible());
    EXPECT_FALSE(h.visual().center().enabled());
}

TEST_F(YieldPoints, ABlockFixedAtTheEntryYieldsAfterItsSoundAndBeforeItIsDrawn) {
    LogicProbe::setState(game(), NewBlockDue);
    LogicProbe::setBoard(game(), 9, 4, 3, 1, 1, 1);
    h.giveBlock(true, false, true, false);
    fakes::CallLog seen;
    size_t sounds = 0;
    plat::Integer state = 0;
    atNextYield([&] {
        seen = h.log;
        sounds = h.backend.sounds.size();
        state = LogicProbe::state(game());
    });
    game().Timer();
    ASSERT_TRUE(yielded);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(sounds, 1u);
    EXPECT_EQ(state, SearchingRuns);
    EXPECT_EQ(h.log, (fakes::CallLog{"PaintTemp(10,4,3,1,3,1)", "SaveTemp(10,4)", "RemoveTemp()"}));
}

TEST_F(YieldPoints, TheLevelStepYieldsAfterTheNewBackgroundAndBeforeLabelAndSpeed) {
    LogicProbe::setBoxCount(game(), 29);
    LogicProbe::setBoard(game(), 1, 1, 1, 1, 1, 1);
    LogicProbe::setState(game(), RemovingBlocks);
    h.giveBlock(true, true, false, false);  // the block after the removal
    std::string background, label, score;
    int interval = 0;
    plat::Integer boxes = -1;
    fakes::CallLog seen;
    atNextYield([&] {
        background = h.visual().center().picture()->name;
        label = h.visual().level().caption();
        interval = h.visual().Timer1().interval();
        score = h.visual().score().caption();
        boxes = LogicProbe::boxCount(game());
        seen = h.log;
    });
    game().Timer();
    ASSERT_TRUE(yielded);
    EXPECT_EQ(background, "geysir1");
    EXPECT_EQ(label, "1");
    EXPECT_EQ(interval, 333);
    EXPECT_EQ(score, "0");  // the block's 100 points come after the level step
    EXPECT_EQ(boxes, 0);
    EXPECT_EQ(seen, (fakes::CallLog{"Remove(1,1)"}));
    EXPECT_EQ(h.visual().level().caption(), "2");
    EXPECT_EQ(h.visual().Timer1().interval(), 300);
    EXPECT_EQ(h.visual().score().caption(), "100");
}

TEST_F(YieldPoints, BurningYieldsBeforeItBurnsAnything) {
    LogicProbe::setBoard(game(), 1, 1, 2, 1, 1, 1);
    LogicProbe::setState(game(), BurningPipes);
    plat::Integer up = 0;
    atNextYield([&] { up = LogicProbe::boardUp(game(), 1, 1); });
    game().Timer();
    ASSERT_TRUE(yielded);
    EXPECT_EQ(up, LitPipe);
    EXPECT_EQ(LogicProbe::boardUp(game(), 1, 1), NoPipe);
}

TEST_F(YieldPoints, TheNameEntryYieldsWithTheCursorPlacedButNotYetShown) {
    LogicProbe::setState(game(), NoGame);
    LogicProbe::setScore(game(), 500);
    game().SaveScore();
    ASSERT_EQ(LogicProbe::state(game()), NamePending);
    bool promptShown = false, timerOn = false, cursorShown = true;
    double cursorLeft = -1;
    atNextYield([&] {
        promptShown = h.visual().EnterYourName().visible();
        timerOn = h.visual().CursorTimer().enabled();
        cursorShown = h.visual().cursorBig().visible();
        cursorLeft = h.visual().cursorBig().left();
    });
    game().InputName();
    ASSERT_TRUE(yielded);
    EXPECT_TRUE(promptShown);
    EXPECT_TRUE(timerOn);
    EXPECT_FALSE(cursorShown);
    EXPECT_EQ(cursorLeft, h.visual().topName(0).left());
    EXPECT_TRUE(h.visual().cursorBig().visible());
}

TEST_F(YieldPoints, LeavingYieldsAfterTheTableIsWrittenAndBeforeTheBoardIsHidden) {
    bool written = false, boardShown = false;
    atNextYield([&] {
        written = h.readFile("HI.SCO").size() > 10;
        boardShown = h.visual().center().visible();
    });
    ASSERT_TRUE(h.exitGame());
    ASSERT_TRUE(yielded);
    EXPECT_TRUE(written);
    EXPECT_TRUE(boardShown);
    EXPECT_FALSE(h.visual().center().visible());
}

TEST_F(YieldPoints, ClosingTheOptionsYieldsBeforeWritingTheirFile) {
    std::remove(h.path("OPT.TXT").c_str());
    bool dialogShown = true, written = true;
    atNextYield([&] {
        dialogShown = h.options().form().visible();
        written = h.fileExists("OPT.TXT");
    });
    game().ReturnPressedInOptions();
    ASSERT_TRUE(yielded);
    EXPECT_FALSE(dialogShown);
    EXPECT_FALSE(written);
    EXPECT_TRUE(h.fileExists("OPT.TXT"));
}

}  // namespace
