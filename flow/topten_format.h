// The text of the top-ten file "HI.SCO": ten rows of name, start level, end
// level and score, one a line, then the check value on a line of its own.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "platform/basic.h"
#include "shared/game_codes.h"

// A row as the game starts it when there is no table to read.
struct TopTenRow {
    std::string name = "Oru";
    plat::Integer start = 1;
    plat::Integer end = 1;
    plat::Long score = 100;
    bool operator==(const TopTenRow&) const = default;
};

using TopTenTable = std::array<TopTenRow, TopTenRows>;

// Enters a new row by the table's rule: above the first row whose score is
// lower, so never above a row of equal score; the rows below move down one
// and the last drops out. The row it took, or TopTenRows when its score
// beats none and the table is left as it was.
int enterTopTenRow(TopTenTable& table, const TopTenRow& row);

// The table a file's text holds, or nothing when the text is not a table
// whose last item is its check value.
std::optional<TopTenTable> parseTopTen(const std::string& text);

// The file's text for a table, its check value on the last line.
std::string formatTopTen(const TopTenTable& table);

// The check value added up as the reader does: nothing when a row's
// i x end level leaves 16 bits or a running sum leaves 32 bits.
std::optional<plat::Long> topTenCheckValue(const TopTenTable& table);
