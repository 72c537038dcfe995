// The desktop ending the program (the window closed by the window manager, a
// signal), delivered by the script's `close`: the run leaves as EXIT leaves
// it, table written, whatever was open at that moment; on the title screen
// nothing is written.
#include <gtest/gtest.h>

#include "scenario.h"

namespace scenario {
namespace {

// The table's first line and whether the program ended, after `close`.
struct Closed {
    std::string firstRow;
    bool ended;
};
Closed closeAfter(const std::string& script, const Folder& dir) {
    auto out = play(script + "close\ndump\n", dir);
    std::string file = dir.read("HI.SCO");
    return {file.substr(0, file.find("\r\n")), !out.empty() && out.back()["ended"] == true};
}

// What EXIT writes after the same script: the same file to the byte.
std::string exitAfter(const std::string& script) {
    Folder dir;
    play(script + "click " + at::kExit + "\n", dir);
    return dir.read("HI.SCO");
}

// During a later game the earlier game's row is kept and the running game is
// not entered; during the name entry the name keeps what was typed.
TEST(Close, DuringPlayOrTheNameEntryWritesWhatExitWrites) {
    int at = 0;
    const std::string gameOver = scoreThenStack(at) + "wait 2000\n";
    const std::pair<std::string, std::string> cases[] = {
        {gameOver + "type Ab\nkey Return\nkey s\nwait 1000\n", "\"Ab\",1,1,360"},
        {gameOver + "type QZ\n", "\"QZ\",1,1,360"},
    };
    for (const auto& [script, row] : cases) {
        Folder dir;
        Closed c = closeAfter(script, dir);
        EXPECT_TRUE(c.ended) << row;
        EXPECT_EQ(c.firstRow, row);
        EXPECT_EQ(dir.read("HI.SCO"), exitAfter(script)) << row;
    }
}

// Characters typed while the game-over picture shows already belong to the
// pending name: it keeps them.
TEST(Close, DuringTheGameOverPictureKeepsThePendingName) {
    Folder dir;
    int at = 0;
    std::string s = scoreThenStack(at) + "type Q\ndump\n";
    auto out = play(s + "close\ndump\n", dir);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0]["visible"]["gameOver"], true);
    EXPECT_EQ(out[0]["state"], 7);
    EXPECT_EQ(out[1]["ended"], true);
    std::string file = dir.read("HI.SCO");
    EXPECT_EQ(file.substr(0, file.find("\r\n")), "\"Q\",1,1,360");
}

// The dialog goes as EXIT takes it away: its changes are not saved.
TEST(Close, WithTheOptionsDialogOpenWritesNoOptions) {
    Folder dir;
    auto out = play("start\nwait 2000\nkey o\ndump\nclose\ndump\n", dir);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0]["visible"]["options"], true);
    EXPECT_EQ(out[1]["ended"], true);
    EXPECT_FALSE(dir.has("OPT.TXT"));
    std::string file = dir.read("HI.SCO");
    EXPECT_EQ(file.substr(0, file.find("\r\n")), "\"Oru\",1,1,100");
}

// The quit question still open when the request comes is taken as Yes.
TEST(Close, WithTheQuitQuestionShowingLeavesAsYes) {
    Folder dir;
    int at = 0;
    auto out = play(scoreThenStack(at) + "wait 2000\ntype Q\nanswer close\nkey Escape\ndump\n", dir);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0]["msgbox"].size(), 1u);
    EXPECT_EQ(out[0]["ended"], true);
    std::string file = dir.read("HI.SCO");
    EXPECT_EQ(file.substr(0, file.find("\r\n")), "\"Q\",1,1,360");
}

// Before the table is read nothing of the run is there to keep: the player's
// file stays as it is, even one that the start would have replaced.
TEST(Close, OnTheTitleScreenWritesNothing) {
    Folder dir;
    dir.write("HI.SCO", "not a table\r\n");
    auto out = play("start\nwait 1000\nclose\ndump\n", dir);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0]["ended"], true);
    EXPECT_EQ(dir.read("HI.SCO"), "not a table\r\n");
    EXPECT_FALSE(dir.has("HI.SCO.bad"));
    EXPECT_FALSE(dir.has("OPT.TXT"));
}

}  // namespace
}  // namespace scenario
