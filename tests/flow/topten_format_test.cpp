// The top-ten file's text: what the writer gives, what the reader takes back,
// and the range limits of the check value.
#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "flow/topten_format.h"

namespace {

TopTenTable DefaultTable() { return TopTenTable{}; }

// Names of up to three characters from everything name entry might let
// through: commas, blanks at either end, 8-bit characters, none at all.
std::string RandomName(std::mt19937& random) {
    const std::string alphabet = std::string("aZ09 ,'-\t") + "\xe4\xf6\xfc\xe9\xff\x80\x01";
    std::string name(random() % 4, ' ');
    for (char& ch : name) ch = alphabet[random() % alphabet.size()];
    return name;
}

TopTenTable RandomTable(std::mt19937& random) {
    TopTenTable table;
    for (TopTenRow& row : table) {
        row.name = RandomName(random);
        row.start = plat::Integer(int(random() % 65536) - 32768);
        row.end = plat::Integer(int(random() % 7000) - 3500);  // 9 x end stays in 16 bits
        row.score = plat::Long(int64_t(random() % 400000000) - 200000000);
    }
    return table;
}

// The file's text for these rows with a check value of the caller's choice.
std::string TextWithCheck(const TopTenTable& table, int64_t check) {
    std::string text = formatTopTen(table);
    text.erase(text.rfind("\r\n", text.size() - 3) + 2);
    return text + std::to_string(check) + "\r\n";
}

TEST(TopTenFormat, TheDefaultTableIsWrittenWithCheckValue1835) {
    std::string text = formatTopTen(DefaultTable());
    std::string row = "\"Oru\",1,1,100\r\n";
    std::string rows;
    for (int i = 0; i < 10; ++i) rows += row;
    EXPECT_EQ(text, rows + "1835\r\n");
}

TEST(TopTenFormat, AnyTableReadsBackAsWritten) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 500; ++round) {
        TopTenTable table = RandomTable(random);
        std::optional<TopTenTable> read = parseTopTen(formatTopTen(table));
        ASSERT_TRUE(read.has_value()) << formatTopTen(table);
        EXPECT_EQ(*read, table) << formatTopTen(table);
    }
}

TEST(TopTenFormat, TheLimitsOfEachFieldReadBack) {
    TopTenTable table;
    table[0] = {"\xff", std::numeric_limits<plat::Integer>::min(), 0, std::numeric_limits<plat::Long>::min() + 40000};
    table[1] = {"", std::numeric_limits<plat::Integer>::max(), std::numeric_limits<plat::Integer>::min(), 0};
    table[2] = {"x", 0, 0, std::numeric_limits<plat::Long>::max() - 100000};
    std::optional<TopTenTable> read = parseTopTen(formatTopTen(table));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, table);
}

TEST(TopTenFormat, ARunningSumPast32BitsIsRefusedEvenWhenTheTotalFits) {
    TopTenTable table;
    table[0].name = "A";
    table[0].score = std::numeric_limits<plat::Long>::max();  // 65 + this leaves 32 bits
    table[1].score = std::numeric_limits<plat::Long>::min();
    EXPECT_FALSE(topTenCheckValue(table).has_value());
    int64_t total = 0;
    for (int i = 0; i < 10; ++i)
        total += int64_t(table[i].name.empty() ? 0 : static_cast<unsigned char>(table[i].name[0])) +
                 int64_t(i) * table[i].end + table[i].score;
    ASSERT_LT(total, std::numeric_limits<plat::Long>::max());
    EXPECT_FALSE(parseTopTen(TextWithCheck(table, total)).has_value());
}

TEST(TopTenFormat, ARowProductPast16BitsIsRefused) {
    TopTenTable table;
    table[1].end = std::numeric_limits<plat::Integer>::min();  // 1 x -32768 fits
    EXPECT_TRUE(parseTopTen(formatTopTen(table)).has_value());
    table[1].end = 1;
    table[9].end = 3641;  // 9 x 3641 = 32769
    EXPECT_FALSE(topTenCheckValue(table).has_value());
    int64_t total = 10 * 'O' + 36 + 9 * 3641 + 1000;
    EXPECT_FALSE(parseTopTen(TextWithCheck(table, total)).has_value());
    table[9].end = 3640;
    EXPECT_EQ(topTenCheckValue(table), plat::Long(total - 9));
}

TEST(TopTenFormat, ACheckValuePast32BitsIsRefused) {
    TopTenTable table;
    std::string text = TextWithCheck(table, 1835 + (int64_t(1) << 32));
    EXPECT_FALSE(parseTopTen(text).has_value());
    EXPECT_TRUE(parseTopTen(TextWithCheck(table, 1835)).has_value());
}

TEST(TopTenFormat, ItemsAfterTheCheckValueAreIgnored) {
    std::optional<TopTenTable> read = parseTopTen(formatTopTen(DefaultTable()) + "\"extra\",1\r\n");
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, DefaultTable());
}

TEST(TopTenFormat, AnUnquotedNameHoldingADoubleQuoteIsRefused) {
    std::string text = formatTopTen(DefaultTable());
    EXPECT_TRUE(parseTopTen("Oru" + text.substr(5)).has_value());
    EXPECT_FALSE(parseTopTen("O\"ru" + text.substr(5)).has_value());
    EXPECT_FALSE(parseTopTen("Oru\"\"" + text.substr(5)).has_value());
}

}  // namespace

namespace {

TEST(TopTenFormat, LeadingZerosDoNotMakeANumberTooLong) {
    std::string text = formatTopTen(DefaultTable());
    // The last line, the check value 1835, with zeros in front of it.
    size_t last = text.rfind("1835\r\n");
    ASSERT_NE(last, std::string::npos);
    std::optional<TopTenTable> read = parseTopTen(text.substr(0, last) + "0000000000001835\r\n");
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, DefaultTable());
    // A score of 100 written with many zeros still reads as 100.
    std::string padded = text;
    padded.replace(padded.find(",100\r\n"), 6, ",00000000000000000100\r\n");
    ASSERT_TRUE(parseTopTen(padded).has_value());
    EXPECT_EQ((*parseTopTen(padded))[0].score, 100);
    // Long digit strings past 32 bits stay refused.
    EXPECT_FALSE(parseTopTen(text.substr(0, last) + "99999999999999999999991835\r\n").has_value());
}

}  // namespace
