// The option values, the options file "OPT.TXT" and the two commands that
// open and close the dialog.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <array>
#include <filesystem>
#include <functional>

#include "rules/logic_probe.h"
#include "tests/support/file_calls.h"
#include "tests/support/game_harness.h"

namespace {

using Values = std::array<int, 4>;  // sound, start level, control, picture set

// The values a fresh start reads from this options file; the file stays as it was.
Values ReadFrom(const std::string& content) {
    fakes::GameHarness h;
    h.writeFile("OPT.TXT", content);
    logic& game = h.create();
    EXPECT_EQ(h.readFile("OPT.TXT"), content);
    return {LogicProbe::sound(game), LogicProbe::startLevel(game), LogicProbe::control(game),
            LogicProbe::blockType(game)};
}

struct Options : ::testing::Test {
    logic& startWith(const std::string& content) {
        h.writeFile("OPT.TXT", content);
        return h.create();
    }
    fakes::GameHarness h;
};

TEST_F(Options, NoFileGivesTheDefaultsAndWritesNothing) {
    logic& game = h.createAndShow();
    EXPECT_EQ(game.Sound(), 1);
    EXPECT_EQ(game.StartLevel(), 1);
    EXPECT_EQ(game.Control(), 0);
    EXPECT_EQ(game.BlockType(), 0);
    EXPECT_FALSE(h.fileExists("OPT.TXT"));
}

TEST(OptionsFile, LinesCommasAndBlanksAllReadTheSame) {
    for (const char* content : {"0\r\n7\r\n1\r\n1\r\n", " 0 \r\n 7 \r\n 1 \r\n 1 \r\n", "0,7,1,1\r\n",
                                " 0 , 7 ,1, 1 and more\r\n", "\r\n0\r\n\r\n7\n1\n1"})
        EXPECT_EQ(ReadFrom(content), (Values{0, 7, 1, 1})) << content;
}

TEST(OptionsFile, AnythingShortOfFourWholeNumbersGivesAllDefaults) {
    for (const char* content : {"0\r\n7\r\n1\r\n", "garbage", "0\r\n7\r\nmouse\r\n1\r\n", "0\r\n7\r\n1\r\n40000\r\n",
                                "0\r\n7\r\n1\r\n-32769\r\n", "0\r\n7.5\r\n1\r\n1\r\n", "0,7,,1,1", ""})
        EXPECT_EQ(ReadFrom(content), (Values{1, 1, 0, 0})) << content;
}

TEST(OptionsFile, AFileLongerThan64KiBGivesTheDefaults) {
    std::string longest = "0\r\n7\r\n1\r\n1\r\n" + std::string(65536 - 12, ' ');
    EXPECT_EQ(ReadFrom(longest), (Values{0, 7, 1, 1}));
    EXPECT_EQ(ReadFrom(longest + " "), (Values{1, 1, 0, 0}));
}

TEST(OptionsFile, SixteenBitValuesOutsideTheCodesAreKept) {
    EXPECT_EQ(ReadFrom("-32768\r\n3\r\n32767\r\n2\r\n"), (Values{-32768, 3, 32767, 2}));
}

TEST(OptionsFile, AStartLevelNoGameCanHaveBecomesLevelOne) {
    for (const char* content : {"0\r\n0\r\n1\r\n1\r\n", " 0 \r\n 11 \r\n 1 \r\n 1 \r\n", "0,-4,1,1"})
        EXPECT_EQ(ReadFrom(content), (Values{0, 1, 1, 1})) << content;
}

TEST_F(Options, ReturnInTheDialogWritesTheFileEvenWhenItWasNeverOpen) {
    logic& game = h.createAndShow();
    game.SetSound(0);
    game.SetStartLevel(4);
    game.SetBlockType(1);
    game.ReturnPressedInOptions();
    EXPECT_EQ(h.readFile("OPT.TXT"), " 0 \r\n 4 \r\n 0 \r\n 1 \r\n");
    EXPECT_FALSE(h.options().form().visible());

    EXPECT_EQ(ReadFrom(h.readFile("OPT.TXT")), (Values{0, 4, 0, 1}));
}

TEST_F(Options, TheMenuOpensAndClosesTheDialogWithoutWriting) {
    logic& game = h.createAndShow();
    h.clearLog();
    game.OptionsPressed();
    EXPECT_TRUE(h.options().form().visible());
    EXPECT_EQ(h.log, (fakes::CallLog{"InitControls()"}));
    game.SetControl(1);
    game.OptionsPressed();
    EXPECT_FALSE(h.options().form().visible());
    EXPECT_FALSE(h.fileExists("OPT.TXT"));
    EXPECT_EQ(game.Control(), 1);
}

TEST_F(Options, AFailedWriteKeepsTheOldFileAndTheValues) {
    logic& game = startWith(" 1 \r\n 2 \r\n 0 \r\n 0 \r\n");
    support::FileCallsSwap swap;
    swap.calls().open = support::CreatingRefused;
    game.SetStartLevel(9);
    game.ReturnPressedInOptions();
    EXPECT_EQ(h.readFile("OPT.TXT"), " 1 \r\n 2 \r\n 0 \r\n 0 \r\n");
    EXPECT_EQ(game.StartLevel(), 9);
    EXPECT_EQ(game.StartLevels(), 9);
}

// What cannot be read gives the defaults and stays until the player saves;
// saving keeps it aside first.
TEST(OptionsFile, AFileThatCannotBeReadIsKeptAsideWhenSaved) {
    const std::string values = "0\r\n7\r\n1\r\n1\r\n";
    struct Case {
        const char* what;
        std::function<void(fakes::GameHarness&)> make;
        bool readsFail = false;
    };
    const Case cases[] = {
        {"a folder", [](fakes::GameHarness& h) { std::filesystem::create_directory(h.path("OPT.TXT")); }},
        {"a pipe", [](fakes::GameHarness& h) { mkfifo(h.path("OPT.TXT").c_str(), 0600); }},
        {"an I/O error", [&](fakes::GameHarness& h) { h.writeFile("OPT.TXT", values); }, true},
        {"too long", [&](fakes::GameHarness& h) { h.writeFile("OPT.TXT", values + std::string(70000, ' ')); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fakes::GameHarness h;
        c.make(h);
        auto kind = std::filesystem::symlink_status(h.path("OPT.TXT")).type();
        std::string before = h.readFile("OPT.TXT");
        support::FileCallsSwap swap;
        if (c.readsFail) swap.calls().read = support::ReadFails;
        logic& game = h.createAndShow();
        EXPECT_EQ(game.StartLevel(), 1);
        EXPECT_EQ(game.Sound(), 1);
        EXPECT_EQ(std::filesystem::symlink_status(h.path("OPT.TXT")).type(), kind);
        EXPECT_FALSE(h.fileExists("OPT.TXT.bad"));
        game.SetStartLevel(3);
        game.ReturnPressedInOptions();
        EXPECT_EQ(h.readFile("OPT.TXT"), " 1 \r\n 3 \r\n 0 \r\n 0 \r\n");
        EXPECT_EQ(std::filesystem::symlink_status(h.path("OPT.TXT.bad")).type(), kind);
        EXPECT_EQ(h.readFile("OPT.TXT.bad"), before);
    }
}

TEST_F(Options, ReadingTheControlModeSetsTheBoardsPointer) {
    logic& game = h.createAndShow();
    game.SetControl(1);
    EXPECT_EQ(h.visual().center().mousePointer(), plat::PointerDefault);
    EXPECT_EQ(game.Control(), 1);
    EXPECT_EQ(h.visual().center().mousePointer(), plat::PointerCustom);
    game.SetControl(0);
    game.Control();
    EXPECT_EQ(h.visual().center().mousePointer(), plat::PointerDefault);
}

}  // namespace
