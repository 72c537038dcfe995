// The game window by mouse and keyboard: the title screen, the menu, the
// panels, mouse control, the quit question and the two ways out.
#include <gtest/gtest.h>

#include "platform/media/bmp_file.h"
#include "scenario.h"

namespace scenario {
namespace {

using namespace at;

std::vector<std::string> lit(const json& d) {
    std::vector<std::string> names;
    for (const char* h : {"start0", "options0", "info0", "scores0", "exit0", "help0"})
        if (d["visible"][h] == true) names.push_back(h);
    return names;
}

TEST(Window, TitleScreenForTwoSecondsThenTheCentredWindow) {
    Folder dir;
    std::string shot = (dir.path() / "screen.bmp").string();
    auto out = play("start\nwait 1999\ndump\nwait 1\ndump\nshot " + shot + "\n", dir);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0]["visible"]["splash"], true);
    EXPECT_EQ(out[0]["visible"]["visual"], false);
    EXPECT_EQ(out[1]["visible"]["splash"], false);
    EXPECT_EQ(out[1]["visible"]["visual"], true);
    EXPECT_EQ(out[1]["state"], 6);
    EXPECT_EQ(out[1]["timer1"]["enabled"], false);
    EXPECT_EQ(out[1]["labels"]["hiscore"], "0");
    // The artwork's title corner lies at (80, 60) of the screen, black around it.
    auto screen = plat::loadBmp(shot, "screen");
    auto art = plat::loadBmp(std::string(CORVANE_PICTURES) + "/visual.bmp", "visual");
    for (int y = 0; y < 150; y += 7)
        for (int x = 0; x < 150; x += 7) ASSERT_EQ(screen->at(80 + x, 60 + y), art->at(x, y)) << x << "," << y;
    EXPECT_EQ(screen->at(79, 300), 0xFF000000u);
    EXPECT_EQ(screen->at(720, 300), 0xFF000000u);
}

TEST(Window, HoverLightsOneHighlightWithOneClick) {
    Folder dir;
    std::string s = "start\nwait 2000\n";
    s += std::string("move ") + kStart + "\ndump\nmove 155 252\ndump\nmove " + kInfo + "\ndump\n";
    auto out = play(s, dir);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(lit(out[0]), std::vector<std::string>{"start0"});
    EXPECT_EQ(soundNames(out[0]), std::vector<std::string>{"down.wav"});
    EXPECT_TRUE(out[1]["sounds"].empty());  // moving inside a lit word is silent
    EXPECT_EQ(lit(out[2]), std::vector<std::string>{"info0"});
    EXPECT_EQ(soundNames(out[2]), std::vector<std::string>{"down.wav"});
}

TEST(Window, ClickOnStartPlaysAndPanelsStopTheGameUntilClosed) {
    Folder dir;
    std::string s = "start\nwait 2000\n" + std::string("click ") + kStart + "\ndump\n";
    s += block(true, true, false, false) + "wait 333\n";
    s += "key h\nkey i\ndump\n";           // instructions, then information in front
    s += "key c\ndump\n";                  // SCORES closes the text panels first
    s += "wait 1000\nkey Return\ndump\n";  // the game stood still; Return closes the table
    s += "key h\nkey i\nkey Return\ndump\nwait 333\ndump\n";
    auto out = play(s, dir);
    ASSERT_EQ(out.size(), 6u);
    EXPECT_EQ(out[0]["state"], 1);
    EXPECT_EQ(out[0]["timer1"]["enabled"], true);
    EXPECT_EQ(out[1]["visible"]["message"], true);
    EXPECT_EQ(out[1]["visible"]["message3"], true);
    EXPECT_EQ(out[1]["sounds"].back(), json({"leavme.wav", 11}));
    EXPECT_EQ(out[2]["visible"]["message"], false);
    EXPECT_EQ(out[2]["visible"]["message3"], false);
    EXPECT_EQ(out[2]["visible"]["topTen"], true);
    EXPECT_EQ(out[2]["sounds"].back(), json({"off.wav", 3}));
    EXPECT_EQ(out[3]["visible"]["topTen"], false);
    EXPECT_EQ(out[3]["temp"][0], 10);                // no tick while a panel was up
    EXPECT_EQ(out[4]["visible"]["message"], false);  // Return's MessageOff closes both
    EXPECT_EQ(out[4]["visible"]["message3"], false);
    EXPECT_EQ(out[4]["temp"][0], 10);
    EXPECT_EQ(out[5]["temp"][0], 9);  // all closed: the game goes on
}

TEST(Window, MouseControlSteersTurnsAndDrops) {
    Folder dir;
    dir.write("OPT.TXT", " 1 \r\n 1 \r\n 1 \r\n 0 \r\n");
    std::string s = startGame() + block(true, true, false, false) + "wait 333\n";
    s += "move 265 486\ndump\n";      // over column 1 of the board, low down
    s += "dblclick 265 486\ndump\n";  // a press and a double-click: three turns
    s += "key Right\ndump\n";         // the keys still work
    auto out = play(s, dir);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0]["temp"], json({10, 1, 3, 3, 1, 1}));
    EXPECT_EQ(out[1]["temp"], json({10, 1, 1, 1, 3, 3}));
    EXPECT_EQ(out[2]["temp"][1], 2);
}

TEST(Window, KeyboardControlIgnoresTheBareBoard) {
    Folder dir;
    std::string s = startGame() + block(true, true, false, false) + "wait 333\n";
    s += "move 265 486\ndblclick 265 486\ndump\n";
    auto out = play(s, dir);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0]["temp"], json({10, 4, 3, 3, 1, 1}));
}

TEST(Window, PressOnTheBareWindowWritesTheOptions) {
    Folder dir;
    auto out = play(std::string("start\nwait 2000\nclick ") + kBareWindow + "\ndump\n", dir);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(dir.read("OPT.TXT"), " 1 \r\n 1 \r\n 0 \r\n 0 \r\n");
    EXPECT_EQ(soundNames(out[0]), std::vector<std::string>{"off.wav"});
}

// Both the lit word and the rim of the EXIT hot spot around it leave
// through EXIT, which writes the table over the marker of the start-up.
TEST(Window, ExitAndTheRimOfExitBothSaveTheTable) {
    Folder rim, word;
    auto a = play(std::string("start\nwait 2000\nclick ") + kExitRim + "\ndump\n", rim);
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0]["ended"], true);
    EXPECT_EQ(a[0]["visible"]["exit0"], true);  // lit by the move: the click fell beside it
    EXPECT_EQ(rim.read("HI.SCO").substr(0, 15), "\"Oru\",1,1,100\r\n");
    auto b = play(std::string("start\nwait 2000\nmove ") + kExit + "\nclick " + kExit + "\ndump\n", word);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0]["ended"], true);
    EXPECT_EQ(soundNames(a[0]), soundNames(b[0]));
    EXPECT_EQ(rim.read("HI.SCO"), word.read("HI.SCO"));
}

TEST(Window, EscapeAsksAndOnlyYesLeaves) {
    Folder dir;
    auto out = play("start\nwait 2000\nanswer no\nkey Escape\ndump\nanswer yes\nkey Escape\ndump\n", dir);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0]["ended"], false);
    EXPECT_EQ(out[0]["msgbox"], json({{"Do you really want to quit Corvane", "System message", 276}}));
    EXPECT_EQ(out[1]["ended"], true);
    EXPECT_EQ(dir.read("HI.SCO").substr(0, 15), "\"Oru\",1,1,100\r\n");
}

TEST(Window, SmallFontsRequiredOrTheProgramEndsTouchingNothing) {
    Folder dir;
    auto out = play("twips 12 12\nstart\ndump\nwait 5000\ndump\n", dir);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0]["ended"], true);
    EXPECT_EQ(out[0]["msgbox"],
              json({{"Please change font size to small in CONTROL PANEL - DISPLAY !", "Corvane 95", 0}}));
    EXPECT_FALSE(out[0].contains("state"));
    EXPECT_FALSE(dir.has("OPT.TXT"));
    EXPECT_FALSE(dir.has("HI.SCO"));
}

}  // namespace
}  // namespace scenario
