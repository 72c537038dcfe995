// Any bytes as "OPT.TXT": the reader neither crashes nor hangs; values it
// takes are written back as the same values; and a game object built on the
// file holds exactly those values (a start level outside 1 to 10 as 1), or
// the defaults 1, 1, 0, 0 when the reader refused the file.
#include <cstdint>
#include <string>

#include "options/options_format.h"
#include "rules/logic_probe.h"
#include "tests/fuzz/require.h"
#include "tests/support/game_harness.h"

namespace {

void CheckWrittenBack(const OptionValues& values) {
    Require(parseOptions(formatOptions(values)) == values, "values read are read back the same once written");
}

void CheckGameReads(const std::string& text, const std::optional<OptionValues>& values) {
    static fakes::GameHarness h;  // one temporary program folder for the whole run
    h.writeFile("OPT.TXT", text);
    logic& game = h.create();
    h.clearLog();
    OptionValues expected = values.value_or(OptionValues{1, 1, 0, 0});
    if (expected[1] < 1 || expected[1] > 10) expected[1] = 1;
    OptionValues held{LogicProbe::sound(game), LogicProbe::startLevel(game), LogicProbe::control(game),
                      LogicProbe::blockType(game)};
    Require(held == expected, "the game holds the values read, or the defaults");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    std::optional<OptionValues> values = parseOptions(text);
    if (values) CheckWrittenBack(*values);
    CheckGameReads(text, values);
    return 0;
}
