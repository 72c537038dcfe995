// The new-block generator: over many blocks each of the eleven kinds comes
// about as often as the others.
#include <gtest/gtest.h>

#include <map>

#include "rules/logic_probe.h"
#include "tests/support/game_harness.h"

namespace {

TEST(NewBlockOdds, EachOfTheElevenKindsComesAboutOnceInEleven) {
    fakes::GameHarness h;
    logic& game = h.createAndShow();
    std::map<int, int> seen;
    const int blocks = 11000;
    for (int i = 0; i < blocks; ++i) {
        LogicProbe::setState(game, NewBlockDue);
        game.Timer();
        h.sys.runUntil(h.sys.now() + 37);  // the clock moves between ticks
        int pipes[4] = {LogicProbe::tempUp(game), LogicProbe::tempDown(game), LogicProbe::tempLeft(game),
                        LogicProbe::tempRight(game)};
        int kind = 0, present = 0;
        for (int pipe : pipes) {
            ASSERT_TRUE(pipe == 1 || pipe == 3);
            kind = kind * 2 + (pipe == 3);
            present += pipe == 3;
        }
        ASSERT_GE(present, 2);
        ++seen[kind];
    }
    ASSERT_EQ(seen.size(), 11u);
    double expected = blocks / 11.0, chiSquare = 0;
    for (auto [kind, count] : seen) chiSquare += (count - expected) * (count - expected) / expected;
    // Ten degrees of freedom: 29.59 leaves one chance in a thousand.
    EXPECT_LT(chiSquare, 29.59);
}

}  // namespace
