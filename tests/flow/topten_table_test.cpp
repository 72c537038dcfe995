// The top-ten table: where a score enters, and typing a name into its row.
#include <gtest/gtest.h>

#include "rules/logic_probe.h"
#include "tests/support/game_harness.h"

namespace {

struct TopTen : ::testing::Test {
    TopTen() { h.createAndShow(); }  // no file: ten rows of 100 points
    logic& game() { return *h.game; }
    // Ends a game with this score; true when it earned a row.
    bool finish(plat::Long score, plat::Integer level = 3) {
        LogicProbe::setState(game(), NoGame);
        LogicProbe::setScore(game(), score);
        LogicProbe::setLevel(game(), level);
        game().SaveScore();
        return LogicProbe::state(game()) == NamePending;
    }
    void type(std::initializer_list<int> codes) {
        for (int code : codes) game().KeyPressed(plat::Integer(code));
    }
    const std::string& name(int row) { return LogicProbe::topName(game(), row); }
    fakes::GameHarness h;
};

TEST_F(TopTen, AScoreMustBeatTheRowItEnters) {
    EXPECT_FALSE(finish(100));
    ASSERT_TRUE(finish(101, 4));
    EXPECT_EQ(LogicProbe::editRow(game()), 0);
    EXPECT_EQ(LogicProbe::topEndLevel(game(), 0), 4);
    EXPECT_EQ(LogicProbe::topScore(game(), 1), 100);
    // An equal score goes below the row it equals.
    ASSERT_TRUE(finish(101));
    EXPECT_EQ(LogicProbe::editRow(game()), 1);
}

TEST_F(TopTen, AScoreEnteringAtTheLastRowMovesNoOtherRow) {
    for (int row = 0; row < 9; ++row) ASSERT_TRUE(finish(1000 - row));
    ASSERT_TRUE(finish(200));
    EXPECT_EQ(LogicProbe::editRow(game()), 9);
    EXPECT_EQ(LogicProbe::topScore(game(), 8), 992);
    EXPECT_FALSE(finish(200));
}

TEST_F(TopTen, InputNameOpensTheEntryOnTheNewRow) {
    ASSERT_TRUE(finish(300));
    game().InputName();
    EXPECT_TRUE(h.visual().topTen().visible());
    EXPECT_TRUE(h.visual().EnterYourName().visible());
    EXPECT_TRUE(h.visual().CursorTimer().enabled());
    plat::Control& field = h.visual().topName(0);
    EXPECT_TRUE(field.border());
    EXPECT_EQ(h.visual().cursorBig().left(), field.left());
    EXPECT_EQ(h.visual().cursorBig().width(), 180);
    EXPECT_EQ(h.visual().cursorSmall().top(), field.top() + field.height() * 3 / 4);
    EXPECT_TRUE(h.visual().cursorBig().visible());
    EXPECT_EQ(h.visual().startLevel(1).caption(), "1");
    EXPECT_EQ(h.visual().topScore(0).caption(), "300");
}

TEST_F(TopTen, TheCursorTurnsFromBlockToUnderlineAndBack) {
    ASSERT_TRUE(finish(300));
    game().InputName();
    plat::Control& big = h.visual().cursorBig();
    plat::Control& small = h.visual().cursorSmall();
    ASSERT_TRUE(big.visible());
    ASSERT_FALSE(small.visible());
    game().CursorTimer();
    EXPECT_FALSE(big.visible());
    EXPECT_TRUE(small.visible());
    game().CursorTimer();
    EXPECT_TRUE(big.visible());
    EXPECT_FALSE(small.visible());
    // The underline lies over the lowest quarter of the same cell.
    EXPECT_EQ(small.left(), big.left());
    EXPECT_EQ(small.width(), big.width());
    EXPECT_EQ(small.height(), big.height() / 4);
    EXPECT_EQ(small.top() + small.height(), big.top() + big.height());
}

TEST_F(TopTen, TheThirdCharacterEndsTheEntry) {
    ASSERT_TRUE(finish(300));
    game().InputName();
    type({'a', 'B'});
    EXPECT_EQ(h.visual().cursorBig().left(), h.visual().topName(0).left() + 2 * 180);
    type({233});  // an 8-bit letter
    EXPECT_EQ(name(0), "aB\xe9");
    EXPECT_EQ(h.visual().topName(0).caption(), "aB\xe9");
    EXPECT_EQ(LogicProbe::state(game()), NoGame);
    EXPECT_FALSE(h.visual().EnterYourName().visible());
    EXPECT_FALSE(h.visual().CursorTimer().enabled());
    EXPECT_FALSE(h.visual().topName(0).border());
}

TEST_F(TopTen, BackspaceErasesTheWholeName) {
    ASSERT_TRUE(finish(300));
    game().InputName();
    type({'x', 'y', 8});
    EXPECT_EQ(name(0), "");
    EXPECT_EQ(h.visual().cursorSmall().left(), h.visual().topName(0).left());
    type({8, 13});
    EXPECT_EQ(name(0), "");
    EXPECT_EQ(LogicProbe::state(game()), NamePending);
}

TEST_F(TopTen, QuotesAndControlCharactersAreRefused) {
    ASSERT_TRUE(finish(300));
    game().InputName();
    type({'"', 10, 0, 9, 27, 127, -5, 300, ',', ' '});
    EXPECT_EQ(name(0), ", ");
    EXPECT_EQ(LogicProbe::state(game()), NamePending);
}

TEST_F(TopTen, ANameFinishedDuringGameOverIsKept) {
    ASSERT_TRUE(finish(300));
    type({'J', 'o', 'e'});
    game().InputName();
    EXPECT_EQ(name(0), "Joe");
    EXPECT_FALSE(h.visual().EnterYourName().visible());
}

TEST_F(TopTen, ShowingTheTableAloneStartsNoEntry) {
    ASSERT_TRUE(finish(300));
    game().ShowTopTen();
    EXPECT_TRUE(h.visual().topTen().visible());
    EXPECT_FALSE(h.visual().EnterYourName().visible());
    type({'Z'});
    EXPECT_EQ(h.visual().topName(0).caption(), "Z");
    game().ReturnPressed();  // no prompt shown: only hides the table
    EXPECT_EQ(LogicProbe::state(game()), NamePending);
}

}  // namespace
