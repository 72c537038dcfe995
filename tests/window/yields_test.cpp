// Which members of the game window give the event loop a turn, and how
// often: drawing one block or one laser piece yields, clearing the whole
// board, the laser pictures and the game-over picture never does.
#include <functional>
#include <string>

#include "tests/window/visual_fixture.h"

namespace {

using visual_test::VisualTest;

class Yields : public VisualTest {
protected:
    int yieldsOf(const std::function<void()>& call) {
        int before = backend.yields;
        call();
        return backend.yields - before;
    }
};

TEST_F(Yields, BoardMembersYieldOnceEachAndPaintTempTwice) {
    start();
    auto& v = visual();
    EXPECT_EQ(yieldsOf([&] { v.PaintTemp(10, 4, 3, 1, 1, 3); }), 2);
    EXPECT_EQ(yieldsOf([&] { v.PaintTemp(10, 4, 3, 1, 1, 1); }), 2);  // no kind: still moved, shown, yields twice
    EXPECT_EQ(yieldsOf([&] { v.MoveTemp(9, 4); }), 1);
    EXPECT_EQ(yieldsOf([&] { v.SaveTemp(9, 4); }), 1);
    EXPECT_EQ(yieldsOf([&] { v.RemoveTemp(); }), 1);
    EXPECT_EQ(yieldsOf([&] { v.PaintChange(9, 4, 2, 3, 3, 3); }), 1);
    EXPECT_EQ(yieldsOf([&] { v.PaintLaserCorr(9, 4, 1); }), 1);
    EXPECT_EQ(yieldsOf([&] { v.ClearLaserCorr(9, 4, 1); }), 1);
    EXPECT_EQ(yieldsOf([&] { v.PaintLaserCorr(9, 4, 0); }), 1);
    EXPECT_EQ(yieldsOf([&] { v.Remove(9, 4); }), 1);
}

TEST_F(Yields, ClearingAndTheGameOverPictureNeverYield) {
    start();
    auto& v = visual();
    v.PaintTemp(1, 1, 3, 3, 3, 3);
    v.SaveTemp(1, 1);
    v.PaintLaserCorr(1, 1, 3);
    EXPECT_EQ(yieldsOf([&] { v.ClearBoxes(); }), 0);
    EXPECT_EQ(yieldsOf([&] { v.ClearBugLasers(); }), 0);
    EXPECT_EQ(yieldsOf([&] { v.ReInitSmallLasers(); }), 0);
    EXPECT_EQ(yieldsOf([&] { v.EnableGameOver(); }), 0);
    EXPECT_TRUE(v.gameOver().visible());
    EXPECT_EQ(yieldsOf([&] { v.DisableGameOver(); }), 0);
    EXPECT_FALSE(v.gameOver().visible());
}

TEST_F(Yields, MessageOffYieldsOnceAndOptionsOnlyThroughIt) {
    start();
    auto& v = visual();
    EXPECT_EQ(yieldsOf([&] { v.MessageOff(); }), 1);
    // OPTIONS has no yield of its own: opening the dialog yields only in the
    // closing of the text panels, closing it once more as the game hides it.
    EXPECT_EQ(yieldsOf([&] { v.OptionsMouseDown(); }), 1);
    EXPECT_TRUE(windows.options->form().visible());
    EXPECT_EQ(yieldsOf([&] { v.OptionsMouseDown(); }), 2);
    EXPECT_FALSE(windows.options->form().visible());
    // HELP: a yield before its work and one after opening; closing adds the
    // one of the closing of the panels.
    EXPECT_EQ(yieldsOf([&] { v.HelpClicked(); }), 2);
    EXPECT_TRUE(v.message().visible());
    EXPECT_EQ(yieldsOf([&] { v.HelpClicked(); }), 2);
    EXPECT_FALSE(v.message().visible());
    // INFO likewise.
    EXPECT_EQ(yieldsOf([&] { v.InfoClick(); }), 2);
    EXPECT_EQ(yieldsOf([&] { v.InfoClick(); }), 2);
    // SCORES closing the table: the yield of the closing of the text panels
    // and the one after the options dialog is hidden.
    v.topTen().setVisible(true);
    EXPECT_EQ(yieldsOf([&] { v.ScoresClicked(); }), 2);
    EXPECT_FALSE(v.topTen().visible());
}

}  // namespace
