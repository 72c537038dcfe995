// Any bytes as "HI.SCO": the reader neither crashes nor hangs; a table it
// takes is written back as the same table with its own check value; and the
// game object shows what the reader decided, the default rows with a high
// score of 0 and the marker line when it refused the file, which it kept
// aside as "HI.SCO.bad".
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "flow/topten_format.h"
#include "platform/data_files.h"
#include "rules/logic_probe.h"
#include "tests/fuzz/require.h"
#include "tests/support/game_harness.h"

namespace {

void CheckWrittenBack(const TopTenTable& table) {
    std::string text = formatTopTen(table);
    std::optional<TopTenTable> again = parseTopTen(text);
    Require(again && *again == table, "a table read is read back the same once written");
    std::optional<plat::Long> check = topTenCheckValue(table);
    Require(check && text.ends_with("\n" + plat::digits(*check) + "\r\n"), "the written check value is the table's");
}

// One game window up for the whole run, in a temporary program folder.
fakes::GameHarness& Game() {
    static fakes::GameHarness harness;
    static bool shown = (harness.createAndShow(), true);
    Require(shown, "the game window is up");
    return harness;
}

void CheckGameReads(const std::string& text, const std::optional<TopTenTable>& table) {
    fakes::GameHarness& h = Game();
    h.writeFile("HI.SCO", text);
    h.game->splashDone();
    h.clearLog();
    TopTenTable expected = table.value_or(TopTenTable{});
    plat::Long high = 0;
    if (table)
        for (const TopTenRow& row : *table) high = std::max(high, row.score);
    for (int i = 0; i < 10; ++i) {
        const logic& game = *h.game;
        TopTenRow shown{LogicProbe::topName(game, i), LogicProbe::topStartLevel(game, i),
                        LogicProbe::topEndLevel(game, i), LogicProbe::topScore(game, i)};
        Require(shown == expected[i], "the game holds the rows read, or the default rows");
    }
    Require(LogicProbe::hiScore(*h.game) == high, "the high score is the best score read, or 0");
    Require(h.visual().hiscore().caption() == plat::digits(high), "the high score label shows the high score");
    Require(table || h.readFile("HI.SCO") == " 0 \r\n", "a refused file is replaced by the marker line");
    bool kept = !table && !text.empty() && text != " 0 \r\n";
    Require(kept ? h.readFile("HI.SCO.bad") == text : !h.fileExists("HI.SCO.bad"),
            "a refused file that held anything but the marker is kept whole, and nothing else is");
    std::remove(h.path("HI.SCO.bad").c_str());  // the next refused file is kept under the same name
}

}  // namespace

// Flushing the files to the disk would only slow the runs down.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    plat::fileCalls().fsync = [](int) { return 0; };
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    std::optional<TopTenTable> table = parseTopTen(text);
    if (table) CheckWrittenBack(*table);
    CheckGameReads(text, table);
    return 0;
}
