// The top-ten file "HI.SCO": reading, the check value, rejection and the
// marker line, and writing at the exit.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "rules/logic_probe.h"
#include "tests/support/game_harness.h"

namespace {

struct Row {
    std::string name;
    int start, end;
    long score;
};

// Ten rows in the file's own layout, with their check value.
std::string TableText(const std::vector<Row>& rows, long checkOffset = 0) {
    std::string text;
    long check = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        text += "\"" + r.name + "\"," + std::to_string(r.start) + "," + std::to_string(r.end) + "," +
                std::to_string(r.score) + "\r\n";
        check += (r.name.empty() ? 0 : static_cast<unsigned char>(r.name[0])) + long(i) * r.end + r.score;
    }
    return text + std::to_string(check + checkOffset) + "\r\n";
}

std::vector<Row> SampleRows() {
    std::vector<Row> rows;
    for (int i = 0; i < 10; ++i) rows.push_back({std::string(1, char('A' + i)) + "x", 1 + i % 3, 2 + i, 900 - 50 * i});
    return rows;
}

struct TopTenFile : ::testing::Test {
    logic& startWith(const std::string& content) {
        h.writeFile("HI.SCO", content);
        return h.createAndShow();
    }
    void expectDefaults() {
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(LogicProbe::topName(*h.game, i), "Oru");
            EXPECT_EQ(LogicProbe::topScore(*h.game, i), 100);
            EXPECT_EQ(LogicProbe::topStartLevel(*h.game, i), 1);
            EXPECT_EQ(LogicProbe::topEndLevel(*h.game, i), 1);
        }
        EXPECT_EQ(LogicProbe::hiScore(*h.game), 0);
        EXPECT_EQ(h.visual().hiscore().caption(), "0");
    }
    void expectRejected(const std::string& content) {
        startWith(content);
        expectDefaults();
        EXPECT_EQ(h.readFile("HI.SCO"), " 0 \r\n");
        EXPECT_EQ(h.readFile("HI.SCO.bad"), content);  // kept aside, not lost
    }
    fakes::GameHarness h;
};

TEST_F(TopTenFile, NoFileGivesTheDefaultRowsAndAMarkerFile) {
    h.createAndShow();
    expectDefaults();
    EXPECT_EQ(h.readFile("HI.SCO"), " 0 \r\n");
    EXPECT_FALSE(h.fileExists("HI.SCO.bad"));
    EXPECT_EQ(h.visual().topTen().visible(), false);
}

TEST_F(TopTenFile, AFileWrittenAtTheExitReadsBackUnchanged) {
    std::string text = TableText(SampleRows());
    logic& game = startWith(text);
    EXPECT_EQ(LogicProbe::hiScore(game), 900);
    EXPECT_EQ(h.visual().hiscore().caption(), "900");
    EXPECT_EQ(LogicProbe::topName(game, 3), "Dx");
    EXPECT_EQ(LogicProbe::topEndLevel(game, 9), 11);
    ASSERT_TRUE(h.exitGame());
    EXPECT_EQ(h.readFile("HI.SCO"), text);
}

TEST_F(TopTenFile, ANewRowAndItsNameReachTheFile) {
    logic& game = h.createAndShow();
    h.startGame();
    LogicProbe::setScore(game, 250);
    LogicProbe::setBoard(game, 10, 4, 3, 3, 3, 3);
    game.Timer();
    game.InputName();
    for (char ch : std::string("K,m")) game.KeyPressed(ch);
    ASSERT_TRUE(h.exitGame());
    std::string written = h.readFile("HI.SCO");
    EXPECT_EQ(written.substr(0, 17), "\"K,m\",1,1,250\r\n\"O");

    fakes::GameHarness next;
    next.writeFile("HI.SCO", written);
    logic& again = next.createAndShow();
    EXPECT_EQ(LogicProbe::topName(again, 0), "K,m");
    EXPECT_EQ(LogicProbe::hiScore(again), 250);
}

TEST_F(TopTenFile, ACheckValueOneOffIsRejected) { expectRejected(TableText(SampleRows(), 1)); }

TEST_F(TopTenFile, FortyItemsAreRejected) {
    std::string text = TableText(SampleRows());
    expectRejected(text.substr(0, text.rfind("\r\n", text.size() - 3) + 2));
}

TEST_F(TopTenFile, NumbersThatDoNotFitOrAreNotNumbersAreRejected) {
    std::vector<Row> rows = SampleRows();
    rows[2].end = 40000;
    expectRejected(TableText(rows));
}

TEST_F(TopTenFile, TextInANumberItemIsRejected) {
    std::string text = TableText(SampleRows());
    text.replace(text.find(",1,2,900"), 8, ",1,2,9x0");
    expectRejected(text);
}

TEST_F(TopTenFile, RowsOutOfScoreOrderStayInTheFilesOrder) {
    std::vector<Row> rows = SampleRows();
    std::swap(rows[0], rows[7]);
    rows[4].start = 9;  // changed by hand: not part of the check value
    logic& game = startWith(TableText(rows));
    EXPECT_EQ(LogicProbe::topScore(game, 0), 550);
    EXPECT_EQ(LogicProbe::topScore(game, 7), 900);
    EXPECT_EQ(LogicProbe::topStartLevel(game, 4), 9);
    EXPECT_EQ(LogicProbe::hiScore(game), 900);
}

TEST_F(TopTenFile, ItemsMaySpreadOverLinesWithBlanks) {
    std::string text;
    long check = 0;
    for (int i = 0; i < 10; ++i) {
        text += "  \"N" + std::to_string(i) + "\"\n\n   " + std::to_string(i + 1) + ",  2\r\n  " +
                std::to_string(10 * i) + "\n";
        check += 'N' + i * 2 + 10 * i;
    }
    logic& game = startWith(text + "\n  " + std::to_string(check) + "\n");
    EXPECT_EQ(LogicProbe::topName(game, 6), "N6");
    EXPECT_EQ(LogicProbe::topStartLevel(game, 6), 7);
    EXPECT_EQ(LogicProbe::topScore(game, 9), 90);
    EXPECT_EQ(h.visual().hiscore().caption(), "90");
}

TEST_F(TopTenFile, AMarkerThatCannotBeWrittenLeavesTheDefaultsInMemory) {
    std::string damaged = TableText(SampleRows(), 1);
    h.writeFile("HI.SCO", damaged);
    std::filesystem::create_directory(h.path("HI.SCO.new"));
    h.createAndShow();
    expectDefaults();
    EXPECT_EQ(h.readFile("HI.SCO"), damaged);
}

TEST_F(TopTenFile, TheMarkerFileItselfIsRejectedWithoutReplacingTheKeptCopy) {
    h.writeFile("HI.SCO.bad", "old damage");
    startWith(" 0 \r\n");
    expectDefaults();
    EXPECT_EQ(h.readFile("HI.SCO.bad"), "old damage");
}

}  // namespace
