// The top-ten file "HI.SCO": reading, the check value, rejection and the
// marker line, and writing at the exit.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <vector>

#include "rules/logic_probe.h"
#include "tests/support/file_calls.h"
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
    support::FileCallsSwap swap;
    swap.calls().open = support::CreatingRefused;
    h.createAndShow();
    expectDefaults();
    EXPECT_EQ(h.readFile("HI.SCO"), damaged);
    EXPECT_FALSE(h.fileExists("HI.SCO.bad"));  // put back in its place
}

TEST_F(TopTenFile, AKeptCopyNeverReplacesAnEarlierOne) {
    h.writeFile("HI.SCO.bad", "first damage");
    h.writeFile("HI.SCO.bad2", "second damage");
    std::string damaged = TableText(SampleRows(), 1);
    startWith(damaged);
    expectDefaults();
    EXPECT_EQ(h.readFile("HI.SCO"), " 0 \r\n");
    EXPECT_EQ(h.readFile("HI.SCO.bad"), "first damage");
    EXPECT_EQ(h.readFile("HI.SCO.bad2"), "second damage");
    EXPECT_EQ(h.readFile("HI.SCO.bad3"), damaged);
}

// However many copies were kept before, the next one finds a name, and the
// exit never writes over a damaged file that was not kept.
TEST_F(TopTenFile, AThousandKeptCopiesDoNotStopTheNext) {
    h.writeFile("HI.SCO.bad", "damage 1");
    for (int n = 2; n <= 1000; ++n) h.writeFile("HI.SCO.bad" + std::to_string(n), "damage " + std::to_string(n));
    std::string damaged = TableText(SampleRows(), 1);
    startWith(damaged);
    expectDefaults();
    EXPECT_EQ(h.readFile("HI.SCO"), " 0 \r\n");
    EXPECT_EQ(h.readFile("HI.SCO.bad1001"), damaged);
    ASSERT_TRUE(h.exitGame());
    EXPECT_EQ(h.readFile("HI.SCO").substr(0, 14), "\"Oru\",1,1,100\r");
    EXPECT_EQ(h.readFile("HI.SCO.bad1001"), damaged);
    EXPECT_EQ(h.readFile("HI.SCO.bad"), "damage 1");
    EXPECT_EQ(h.readFile("HI.SCO.bad1000"), "damage 1000");
}

TEST_F(TopTenFile, AFolderOrAPipeInPlaceOfTheFileIsKeptAsideAndTheGameStarts) {
    std::filesystem::create_directory(h.path("HI.SCO"));
    fakes::GameHarness other;
    ASSERT_EQ(mkfifo(other.path("HI.SCO").c_str(), 0600), 0);
    for (fakes::GameHarness* game : {&h, &other}) {
        game->createAndShow();
        EXPECT_EQ(LogicProbe::topName(*game->game, 0), "Oru");
        EXPECT_EQ(game->visual().hiscore().caption(), "0");
        EXPECT_EQ(game->readFile("HI.SCO"), " 0 \r\n");
    }
    EXPECT_TRUE(std::filesystem::is_directory(h.path("HI.SCO.bad")));
    EXPECT_TRUE(std::filesystem::is_fifo(other.path("HI.SCO.bad")));
}

// No permission to read it, or an I/O error while reading.
TEST_F(TopTenFile, AFileThatCannotBeReadIsKeptAsideNotOverwritten) {
    std::string table = TableText(SampleRows());
    fakes::GameHarness ioError;
    for (fakes::GameHarness* game : {&h, &ioError}) {
        game->writeFile("HI.SCO", table);
        support::FileCallsSwap swap;
        if (game == &h)
            swap.calls().open = support::ReadingRefused;
        else
            swap.calls().read = support::ReadFails;
        game->createAndShow();
    }
    expectDefaults();
    for (fakes::GameHarness* game : {&h, &ioError}) {
        EXPECT_EQ(game->readFile("HI.SCO"), " 0 \r\n");
        EXPECT_EQ(game->readFile("HI.SCO.bad"), table);
    }
}

// A damaged file and one that cannot be read, where nothing can be renamed.
TEST_F(TopTenFile, AFileThatCannotBeKeptStaysAsItIs) {
    std::string damaged = TableText(SampleRows(), 1), table = TableText(SampleRows());
    fakes::GameHarness unreadable;
    h.writeFile("HI.SCO", damaged);
    unreadable.writeFile("HI.SCO", table);
    support::FileCallsSwap swap;
    swap.calls().rename = support::RenameRefused;
    h.createAndShow();
    swap.calls().read = support::ReadFails;
    unreadable.createAndShow();
    expectDefaults();
    EXPECT_EQ(LogicProbe::topName(*unreadable.game, 0), "Oru");
    EXPECT_EQ(h.readFile("HI.SCO"), damaged);
    EXPECT_EQ(unreadable.readFile("HI.SCO"), table);
    EXPECT_FALSE(h.fileExists("HI.SCO.bad") || h.fileExists("HI.SCO.new"));
    EXPECT_FALSE(unreadable.fileExists("HI.SCO.bad") || unreadable.fileExists("HI.SCO.new"));
}

// No table is near 64 KiB: a longer file is refused unread, and kept.
TEST_F(TopTenFile, AFileLongerThan64KiBIsRejectedAndKept) {
    std::string table = TableText(SampleRows());
    std::string longest = table + std::string(65536 - table.size(), ' ');
    logic& game = startWith(longest);
    EXPECT_EQ(LogicProbe::hiScore(game), 900);

    fakes::GameHarness longer;
    longer.writeFile("HI.SCO", longest + " ");
    longer.createAndShow();
    EXPECT_EQ(LogicProbe::hiScore(*longer.game), 0);
    EXPECT_EQ(LogicProbe::topName(*longer.game, 0), "Oru");
    EXPECT_EQ(longer.readFile("HI.SCO"), " 0 \r\n");
    EXPECT_EQ(longer.readFile("HI.SCO.bad"), longest + " ");
}

TEST_F(TopTenFile, TheMarkerFileItselfIsRejectedWithoutReplacingTheKeptCopy) {
    h.writeFile("HI.SCO.bad", "old damage");
    startWith(" 0 \r\n");
    expectDefaults();
    EXPECT_EQ(h.readFile("HI.SCO.bad"), "old damage");
}

}  // namespace
