// Keys, mouse actions and ticks reach the game object as the window routes
// them: observed through the falling block they move and turn.
#include "display/board_geometry.h"
#include "rules/logic_probe.h"
#include "tests/window/visual_fixture.h"

namespace {

using visual_test::VisualTest;

class Routing : public VisualTest {
protected:
    // A game running with a block of kind 1 falling at (10, col).
    logic& play(int control, plat::Integer col = 4) {
        logic& game = start({.control = control});
        visual().StartClick();
        LogicProbe::setTemp(game, 10, col, 3, 1, 1, 3);
        LogicProbe::setState(game, BlockFalling);
        LogicProbe::setFalling(game, true);
        visual().PaintTemp(10, col, 3, 1, 1, 3);
        backend.sounds.clear();
        return game;
    }
    int kind() { return std::stoi(ctl("boxtemp1").tag()); }
    plat::Control& board() { return visual().center(); }
    void landAt(plat::Integer y, plat::Integer x) {
        LogicProbe::setBoard(*game, y, x, 3, 3, 3, 3);
        visual().PaintTemp(y, x, 3, 3, 3, 3);
        visual().SaveTemp(y, x);
        plat::Integer col = LogicProbe::tempX(*game);
        LogicProbe::setTemp(*game, 10, col, 3, 1, 1, 3);  // the falling block, kind 1 again
        visual().PaintTemp(10, col, 3, 1, 1, 3);
    }
};

TEST_F(Routing, DoubleClickOnTheBareBoardTurnsThreeTimesInMouseControlOnly) {
    play(1);
    doubleClick(board(), 20, 200);
    EXPECT_EQ(kind(), 4);
    game.reset();
    play(0);
    doubleClick(board(), 20, 200);
    EXPECT_EQ(kind(), 1);
}

TEST_F(Routing, DoubleClicksOnBlockPicturesTurnTwiceInEitherMode) {
    for (int control : {0, 1}) {
        play(control);
        doubleClick(ctl("boxtemp1"), 5, 5);
        EXPECT_EQ(kind(), 3) << control;
        landAt(1, 1);
        doubleClick(ctl("box1", 33), 5, 5);
        EXPECT_EQ(kind(), 3) << control;
        game.reset();
    }
}

TEST_F(Routing, RightPressesStepOnTheFallingBlockAndDropOnALandedOne) {
    logic& game = play(0);
    press(ctl("boxtemp1"), plat::RightButton, 5, 5);
    EXPECT_EQ(LogicProbe::tempY(game), 9);
    landAt(1, 1);
    press(ctl("box1", 34), plat::RightButton, 5, 5);
    EXPECT_LE(LogicProbe::tempY(game), 2);
}

TEST_F(Routing, BoardMovesSteerInMouseControlOnly) {
    logic& game = play(1);
    moveTo(board(), 10, 300);
    EXPECT_EQ(LogicProbe::tempX(game), 1);
    EXPECT_EQ(ctl("boxtemp1").left(), 30);
    moveTo(board(), 42 * 5 + 1, 300);
    EXPECT_EQ(LogicProbe::tempX(game), 6);
    moveTo(board(), 295, 300);  // the last pixels give column 8: ignored
    EXPECT_EQ(LogicProbe::tempX(game), 6);
    this->game.reset();
    logic& keyboard = play(0);
    moveTo(board(), 10, 300);
    EXPECT_EQ(LogicProbe::tempX(keyboard), 4);
}

TEST_F(Routing, MovesLeftOfTheBoardWhileHeldSteerNothing) {
    logic& game = play(1);
    auto r = board().screenRect();
    post(plat::InputEvent::Type::MouseDown, plat::RightButton, r.x + 100, r.y + 300);
    post(plat::InputEvent::Type::MouseMove, plat::RightButton, r.x - 2, r.y + 300);
    sys.DoEvents();
    EXPECT_EQ(LogicProbe::tempX(game), 4);
    post(plat::InputEvent::Type::MouseMove, plat::RightButton, r.x + 2, r.y + 300);
    sys.DoEvents();
    EXPECT_EQ(LogicProbe::tempX(game), 1);
}

TEST_F(Routing, MovingOverALandedBlocksRightHalfSteersOneColumnFurther) {
    logic& game = play(0, 6);
    landAt(1, 3);
    int k = board::firstIndex(1, 3);
    moveTo(ctl("box1", k + 2), 5, 5);
    EXPECT_EQ(LogicProbe::tempX(game), 4);
    moveTo(ctl("box1", k + 3), 5, 5);
    EXPECT_EQ(LogicProbe::tempX(game), 3);
}

TEST_F(Routing, MovingOverTheFallingBlockSteersNothing) {
    logic& game = play(1);
    moveTo(ctl("boxtemp1"), 1, 1);
    EXPECT_EQ(LogicProbe::tempX(game), 4);
}

TEST_F(Routing, ArrowKeysWorkInBothModes) {
    for (int control : {0, 1}) {
        logic& game = play(control);
        key(plat::KeyLeft);
        EXPECT_EQ(LogicProbe::tempX(game), 3);
        key(plat::KeyRight);
        key(plat::KeyRight);
        EXPECT_EQ(LogicProbe::tempX(game), 5);
        key(plat::KeyUp);
        EXPECT_EQ(kind(), 2);
        key(plat::KeyDown);
        EXPECT_EQ(LogicProbe::tempY(game), 9);
        this->game.reset();
    }
}

TEST_F(Routing, EscapeAsksAndOnlyYesLeaves) {
    play(0);
    backend.answers.push_back(plat::AnswerNo);
    key(plat::KeyEscape, 27);
    ASSERT_EQ(backend.boxes.size(), 1u);
    EXPECT_EQ(backend.boxes[0].prompt, "Do you really want to quit Corvane");
    EXPECT_EQ(backend.boxes[0].title, "System message");
    EXPECT_EQ(backend.boxes[0].flags, YesNoCriticalDefaultNo);
    EXPECT_FALSE(sys.ended());
    std::filesystem::remove(folder + "HI.SCO");
    backend.answers.push_back(plat::AnswerYes);
    EXPECT_THROW(key(plat::KeyEscape, 27), plat::ProgramEnded);
    EXPECT_TRUE(fileExists("HI.SCO"));
}

TEST_F(Routing, PressOnTheBareWindowClosesEverythingAndSavesOptions) {
    logic& game = play(0);
    moveTo(ctl("scores"), 0, ctl("scores").screenRect().h - 1);
    ASSERT_TRUE(ctl("scores0").visible());
    visual().topTen().setVisible(true);
    visual().message().setVisible(true);
    visual().pause().setVisible(true);
    LogicProbe::setPaused(game, -1);
    visual().EnableGameOver();
    std::filesystem::remove(folder + "OPT.TXT");
    backend.sounds.clear();
    pressBare(plat::LeftButton);
    for (const char* name : {"topTen", "message", "pause", "gameOver", "scores0"})
        EXPECT_FALSE(ctl(name).visible()) << name;
    EXPECT_EQ(LogicProbe::paused(game), 0);
    EXPECT_TRUE(fileExists("OPT.TXT"));
    EXPECT_EQ(sounds(), std::vector<std::string>{"off.wav/3"});
    EXPECT_EQ(kind(), 1);  // keyboard control: no turn
}

TEST_F(Routing, LeftPressOnTheBareWindowTurnsInMouseControl) {
    play(1);
    pressBare(plat::LeftButton);
    EXPECT_EQ(kind(), 2);
    pressBare(plat::RightButton);
    EXPECT_EQ(kind(), 2);
}

TEST_F(Routing, TheTickTimerDrivesTheGame) {
    logic& game = play(0);
    sys.runUntil(sys.now() + visual().Timer1().interval());
    EXPECT_EQ(LogicProbe::tempY(game), 9);
}

}  // namespace
