// The runner's own contract: scripts are checked whole before anything runs.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>

#include "scenario.h"

namespace scenario {
namespace {

struct Result {
    int status;
    std::string out, err;
};

Result runBinary(const std::string& scriptText, const Folder& dir) {
    dir.write("script.txt", scriptText);
    std::string errFile = (dir.path() / "stderr.txt").string();
    std::string cmd = std::string(CORVANE_SCRIPT) + " --folder " + dir.path().string() + " " +
                      (dir.path() / "script.txt").string() + " 2>" + errFile;
    FILE* p = popen(cmd.c_str(), "r");
    std::string out;
    std::array<char, 4096> buf;
    for (size_t n; (n = fread(buf.data(), 1, buf.size(), p)) > 0;) out.append(buf.data(), n);
    int status = pclose(p);
    return {WEXITSTATUS(status), out, dir.read("stderr.txt")};
}

TEST(ScriptCheck, BadLineIsRefusedWithItsNumberAndNothingRuns) {
    const std::pair<std::string, std::string> bad[] = {
        {"jump 3", "line 3: unknown command \"jump\"\n"},
        {"wait -5", "line 3: the time must be a whole number from 0 to 1000000000, not \"-5\"\n"},
        {"key F13", "line 3: unknown key \"F13\"\n"},
        {"rnd 0.5 1", "line 3: a random value must be a number from 0 up to (not including) 1, not \"1\"\n"},
        {"screen 640 480", "line 3: screen must come before start\n"},
        {"screen 100000 100000", "line 3: the width must be a whole number from 1 to 16384, not \"100000\"\n"},
        {"screen 800 16385", "line 3: the height must be a whole number from 1 to 16384, not \"16385\"\n"},
        {"click 10", "line 3: expected: click X Y [left|right]\n"},
        {"click 10 20 middle", "line 3: the button must be left or right, not \"middle\"\n"},
        {"answer maybe", "line 3: the answer must be yes, no, ok or close, not \"maybe\"\n"},
        {"start", "line 3: start may be given only once\n"},
        {"dump now", "line 3: expected: dump\n"},
    };
    for (const auto& [line, message] : bad) {
        Folder dir;
        Result r = runBinary("start\n# a comment\n" + line + "\ndump\n", dir);
        EXPECT_EQ(r.status, 2) << line;
        EXPECT_EQ(r.err, message);
        EXPECT_EQ(r.out, "") << line;
        EXPECT_FALSE(dir.has("HI.SCO")) << "the game ran for: " << line;
    }
}

TEST(ScriptCheck, GoodScriptRunsAndExitsZero) {
    Folder dir;
    Result r = runBinary("\n   \nstart\nwait 2500\ndump\n", dir);
    EXPECT_EQ(r.status, 0) << r.err;
    json d = json::parse(r.out);
    EXPECT_EQ(d["t"], 2500);
    EXPECT_EQ(d["visible"]["visual"], true);
    EXPECT_TRUE(dir.has("HI.SCO"));  // rebuilt when missing
}

TEST(ScriptCheck, BeforeStartOnlyTheClockExists) {
    Folder dir;
    auto out = play("wait 40\nkey s\nclick 100 100\ndump\ngrid\n", dir);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0], json({{"t", 40}, {"ended", false}, {"sounds", json::array()}, {"msgbox", json::array()}}));
    EXPECT_EQ(out[1], json::object());
}

TEST(ScriptCheck, InputDuringTheTitleScreenGoesNowhere) {
    Folder dir;
    auto out = play("start\nwait 500\nkey s\nclick 400 300\nwait 1600\ndump\n", dir);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0]["state"], 6);
    EXPECT_EQ(out[0]["visible"]["visual"], true);
    EXPECT_EQ(out[0]["visible"]["center"], false);
}

TEST(ScriptCheck, SoundsAreReportedOnce) {
    Folder dir;
    auto out = play(startGame() + "dump\ndump\n", dir);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(soundNames(out[0]), std::vector<std::string>{"off.wav"});
    EXPECT_TRUE(out[1]["sounds"].empty());
}

}  // namespace
}  // namespace scenario
