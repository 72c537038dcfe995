// A top-ten name is typed only while its entry is on show. Every way of
// ending the game-over picture other than its timer and Return, and every
// way of closing the table over the entry, ends the pending name with what
// was typed so far; the letters are commands again, so S starts a game.
#include <gtest/gtest.h>

#include "scenario.h"

namespace scenario {
namespace {

using namespace at;

struct Way {
    const char* what;
    std::string script;
};

// A game that earns row 0, then `typed` typed at the moment `before` leads
// to, then the way: the name is done, and S starts the next game.
void expectNameDone(const std::string& before, const std::string& typed, const Way& way) {
    Folder dir;
    int t = 0;
    std::string s = scoreThenStack(t) + before + (typed.empty() ? "" : "type " + typed + "\n");
    s += way.script + "\ndump\nkey s\ndump\n";
    auto out = play(s, dir);
    ASSERT_EQ(out.size(), 2u) << way.what;
    EXPECT_NE(out[0]["state"], 7) << way.what;
    EXPECT_EQ(out[0]["visible"]["EnterYourName"], false) << way.what;
    EXPECT_EQ(out[0]["top"][0], json({typed, 1, 1, 360})) << way.what;
    EXPECT_EQ(out[1]["state"], 1) << way.what;  // a new block is due
    EXPECT_EQ(out[1]["visible"]["topTen"], false) << way.what;
    EXPECT_EQ(out[1]["top"][0], json({typed, 1, 1, 360})) << way.what;
}

TEST(NameEntry, EndingTheGameOverPictureEarlyEndsThePendingName) {
    const std::string options = std::string("click ") + kOptions + "\nclick " + kOptions;  // open, close
    const Way ways[] = {
        {"START", std::string("click ") + kStart},
        {"OPTIONS", options},
        {"SCORES", std::string("click ") + kScores},
        {"INFO opened and closed", std::string("click ") + kInfo + "\nclick " + kInfo},
        {"HELP opened and closed", std::string("click ") + kHelp + "\nclick " + kHelp},
        {"the instructions panel", std::string("click ") + kHelp + "\nclick 395 386"},
        {"the information panel's return hint", std::string("click ") + kInfo + "\nclick 300 495"},
        {"the bare window", std::string("click ") + kBareWindow},
        {"the bare window, right button", std::string("click ") + kBareWindow + " right"},
    };
    for (const Way& way : ways) expectNameDone("wait 500\n", "Q", way);
}

TEST(NameEntry, ClosingTheTableOverTheEntryEndsIt) {
    const Way ways[] = {
        {"a press on the table", "click 395 385"},
        {"a right press on the table", "click 395 385 right"},
        {"the NAME heading", "click 270 114"},
        {"a name", "click 275 307"},
        {"a score", "click 470 415"},
        {"SCORES", std::string("click ") + kScores},
        {"START", std::string("click ") + kStart},
        {"OPTIONS", std::string("click ") + kOptions + "\nclick " + kOptions},
        {"INFO", std::string("click ") + kInfo},
        {"HELP", std::string("click ") + kHelp},
        {"the bare window", std::string("click ") + kBareWindow},
    };
    for (const Way& way : ways) expectNameDone("wait 2000\n", "Ab", way);
    expectNameDone("wait 2000\n", "", {"SCORES before any character", std::string("click ") + kScores});
}

// What keeps the entry in sight leaves it going: INFO opened during the
// picture lets the timer open the entry in front of it, and the START
// heading of the table closes the panels but not the table.
TEST(NameEntry, TheEntryGoesOnWhileItStaysInSight) {
    Folder dir;
    int t = 0;
    std::string s = scoreThenStack(t) + "wait 500\ntype Q\nclick " + kInfo + "\nwait 1500\ndump\n";
    s += "click 350 114\ndump\ntype Z\nkey Return\ndump\n";
    auto out = play(s, dir);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0]["state"], 7);
    EXPECT_EQ(out[0]["visible"]["EnterYourName"], true);
    EXPECT_EQ(out[0]["top"][0][0], "");  // the entry starts afresh
    EXPECT_EQ(out[1]["state"], 7);
    EXPECT_EQ(out[1]["visible"]["message3"], false);
    EXPECT_EQ(out[1]["visible"]["topTen"], true);
    EXPECT_EQ(out[1]["visible"]["EnterYourName"], true);
    EXPECT_EQ(out[2]["state"], 6);
    EXPECT_EQ(out[2]["top"][0], json({"Z", 1, 1, 360}));
}

}  // namespace
}  // namespace scenario
