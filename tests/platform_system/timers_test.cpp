// Timers on the virtual clock: when they fire, restarts, and re-entry.
#include <gtest/gtest.h>

#include <vector>

#include "platform/form.h"
#include "platform/headless/headless_backend.h"
#include "platform/system.h"

namespace {

struct Clock : ::testing::Test {
    plat::HeadlessBackend backend;
    plat::System sys{backend, 640, 480};
    plat::Form form{sys, "f"};
    std::vector<std::pair<std::string, int64_t>> fired;

    plat::Timer& timer(const std::string& name, int ms) {
        plat::Timer& t = form.addTimer(name, ms);
        t.onTimer = [this, &t] { fired.emplace_back(t.name(), sys.now()); };
        return t;
    }
};

TEST_F(Clock, FiresEveryIntervalInTimeOrder) {
    timer("a", 300).setEnabled(true);
    timer("b", 200).setEnabled(true);
    sys.runUntil(650);
    std::vector<std::pair<std::string, int64_t>> want = {{"b", 200}, {"a", 300}, {"b", 400}, {"a", 600}, {"b", 600}};
    EXPECT_EQ(fired, want);
    EXPECT_EQ(sys.now(), 650);
}

TEST_F(Clock, SwitchingOffAndOnOrNewIntervalRestartsTheCountdown) {
    plat::Timer& t = timer("t", 300);
    t.setEnabled(true);
    sys.runUntil(250);
    t.setEnabled(false);
    t.setEnabled(true);  // due again at 550
    sys.runUntil(500);
    EXPECT_TRUE(fired.empty());
    t.setInterval(100);  // due at 600
    sys.runUntil(650);
    ASSERT_EQ(fired.size(), 1u);
    EXPECT_EQ(fired[0].second, 600);
}

TEST_F(Clock, EnablingAnEnabledTimerKeepsItsCountdown) {
    plat::Timer& t = timer("t", 300);
    t.setEnabled(true);
    sys.runUntil(200);
    t.setEnabled(true);
    sys.runUntil(310);
    ASSERT_EQ(fired.size(), 1u);
    EXPECT_EQ(fired[0].second, 300);
}

TEST_F(Clock, DisabledOrZeroIntervalNeverFires) {
    timer("off", 100);
    timer("zero", 0).setEnabled(true);
    sys.runUntil(1000);
    EXPECT_TRUE(fired.empty());
}

TEST_F(Clock, HandlerIsNotReenteredAndMissedTicksMerge) {
    plat::Timer& slow = form.addTimer("slow", 100);
    int depth = 0, maxDepth = 0, calls = 0;
    slow.onTimer = [&] {
        ++calls;
        maxDepth = std::max(maxDepth, ++depth);
        if (calls == 1) {
            backend.advanceTo(sys.now() + 350);  // the handler takes long
            sys.DoEvents();                      // and yields meanwhile
        }
        --depth;
    };
    slow.setEnabled(true);
    sys.runUntil(100);
    // The three ticks missed during the slow handler came as one, after it.
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(maxDepth, 1);
    EXPECT_EQ(slow.due(), 550);
    sys.DoEvents();
    EXPECT_EQ(calls, 2);
}

TEST_F(Clock, EndUnwindsAndStopsTheLoop) {
    plat::Timer& t = form.addTimer("t", 100);
    t.onTimer = [&] { sys.end(); };
    t.setEnabled(true);
    EXPECT_THROW(sys.runUntil(1000), plat::ProgramEnded);
    EXPECT_TRUE(sys.ended());
    EXPECT_FALSE(t.running());
    EXPECT_THROW(sys.DoEvents(), plat::ProgramEnded);
}

}  // namespace
