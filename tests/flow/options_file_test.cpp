// The option values, the options file "OPT.TXT" and the two commands that
// open and close the dialog.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "rules/logic_probe.h"
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
    std::filesystem::create_directory(h.path("OPT.TXT.new"));
    game.SetStartLevel(9);
    game.ReturnPressedInOptions();
    EXPECT_EQ(h.readFile("OPT.TXT"), " 1 \r\n 2 \r\n 0 \r\n 0 \r\n");
    EXPECT_EQ(game.StartLevel(), 9);
    EXPECT_EQ(game.StartLevels(), 9);
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
