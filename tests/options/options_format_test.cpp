// The options file's text: what the writer gives and what the reader takes.
#include <gtest/gtest.h>

#include <random>

#include "options/options_format.h"

namespace {

TEST(OptionsFormat, TheDefaultsAreWrittenWithABlankEitherSide) {
    EXPECT_EQ(formatOptions({1, 1, 0, 0}), " 1 \r\n 1 \r\n 0 \r\n 0 \r\n");
}

TEST(OptionsFormat, AnySixteenBitValuesReadBackAsWritten) {
    std::mt19937 random(7);
    std::vector<OptionValues> cases = {{-32768, 32767, 0, -1}, {32767, -32768, -32768, 32767}};
    for (int round = 0; round < 200; ++round) {
        OptionValues values;
        for (plat::Integer& value : values) value = plat::Integer(int(random() % 65536) - 32768);
        cases.push_back(values);
    }
    for (const OptionValues& values : cases) EXPECT_EQ(parseOptions(formatOptions(values)), values);
}

TEST(OptionsFormat, TheStartLevelIsGivenAsItStands) {
    EXPECT_EQ(parseOptions("0\r\n0\r\n1\r\n1\r\n"), (OptionValues{0, 0, 1, 1}));
    EXPECT_EQ(parseOptions("+3,-12,+0,-0"), (OptionValues{3, -12, 0, 0}));
}

TEST(OptionsFormat, ASignWithoutDigitsIsNotANumber) {
    EXPECT_FALSE(parseOptions("1\r\n-\r\n0\r\n0\r\n").has_value());
    EXPECT_FALSE(parseOptions("1,+,0,0").has_value());
}

}  // namespace

namespace {

TEST(OptionsFormat, LeadingZerosDoNotMakeANumberTooLong) {
    EXPECT_EQ(parseOptions("000000001\r\n0000000000007\r\n-0000000001\r\n+000000000000\r\n"),
              (OptionValues{1, 7, -1, 0}));
    EXPECT_EQ(parseOptions("1,1,0,-0000000032768"), (OptionValues{1, 1, 0, -32768}));
    EXPECT_FALSE(parseOptions("1,1,0,000000032768").has_value());
    EXPECT_FALSE(parseOptions("1,1,0,99999999999999999999").has_value());
}

}  // namespace
