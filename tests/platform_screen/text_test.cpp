// The character set and the fonts behind the game's text.
#include <gtest/gtest.h>

#include "platform/charset.h"
#include "platform/media/fonts.h"

namespace plat {
namespace {

TEST(Charset, Windows1252ToUtf8) {
    EXPECT_EQ(utf8From1252("Score 100"), "Score 100");
    EXPECT_EQ(utf8From1252("\xE9"), "\xC3\xA9");      // e acute
    EXPECT_EQ(utf8From1252("\x80"), "\xE2\x82\xAC");  // euro sign
    EXPECT_EQ(utf8From1252("\x9F"), "\xC5\xB8");      // Y diaeresis
    EXPECT_EQ(utf8From1252("a\201b"), "ab");          // unused byte
}

TEST(Charset, Utf8ToWindows1252DropsWhatTheSetLacks) {
    EXPECT_EQ(utf8To1252("\xC3\xA9t\xC3\xA9"), "\xE9t\xE9");
    EXPECT_EQ(utf8To1252("\xE2\x82\xAC"), "\x80");
    EXPECT_EQ(utf8To1252("\xD0\x96"), "");              // Cyrillic Zhe
    EXPECT_EQ(utf8To1252("x\xF0\x9F\x98\x80y"), "xy");  // an emoji
    EXPECT_EQ(utf8To1252("a\xC3"), "a");                // cut short
    EXPECT_EQ(utf8To1252("\277b"), "b");                // stray continuation byte
}

TEST(Charset, Utf8ToWindows1252ExactlyTakesAllOrNothing) {
    EXPECT_EQ(utf8To1252Exactly("\xC3\xA9t\xE2\x82\xAC"), "\xE9t\x80");
    EXPECT_EQ(utf8To1252Exactly("ab\xD0\x96"), std::nullopt);  // a character the set lacks
    EXPECT_EQ(utf8To1252Exactly("a\xC3"), std::nullopt);       // cut short
    EXPECT_EQ(utf8To1252Exactly("\xC1\x81"), std::nullopt);    // "A" written in two bytes
    EXPECT_EQ(utf8To1252Exactly("\xF8\x80\x81\x81"), std::nullopt);
}

TEST(Charset, EveryDefinedByteSurvivesTheRoundTrip) {
    int defined = 0;
    for (int b = 1; b < 256; ++b) {
        if (codePointOf1252(static_cast<unsigned char>(b)) == 0) continue;
        ++defined;
        std::string one(1, char(b));
        EXPECT_EQ(utf8To1252(utf8From1252(one)), one) << b;
        EXPECT_EQ(byteOf1252(codePointOf1252(static_cast<unsigned char>(b))), b);
    }
    EXPECT_EQ(defined, 250);
}

TEST(Fonts, PointsBecomePixelsAt96Dpi) {
    EXPECT_EQ(fontPixels(8.25), 11);
    EXPECT_EQ(fontPixels(12), 16);
    EXPECT_EQ(fontPixels(14.25), 19);
    EXPECT_EQ(fontPixels(18), 24);
}

TEST(Fonts, GameFontsMapToInstalledLiberationFaces) {
    EXPECT_EQ(substituteFamily("Courier New"), "Liberation Mono");
    EXPECT_EQ(substituteFamily("MS Sans Serif"), "Liberation Sans");
    EXPECT_EQ(substituteFamily("Anything"), "Liberation Sans");
    EXPECT_NE(fontFile("Liberation Mono", true).find("LiberationMono-Bold"), std::string::npos);
    EXPECT_NE(fontFile("Liberation Sans", false).find("LiberationSans-Regular"), std::string::npos);
}

TEST(Fonts, CourierIsMonospacedAndTextGrowsWithItsLength) {
    Font mono{"Courier New", 14.25, true};
    EXPECT_EQ(textWidth(mono, "iii"), textWidth(mono, "MMM"));
    Font sans{"MS Sans Serif", 8.25, false};
    EXPECT_LT(textWidth(sans, "iii"), textWidth(sans, "MMM"));
    EXPECT_GT(textWidth(sans, "Score 12345"), textWidth(sans, "Score"));
    EXPECT_EQ(textWidth(sans, ""), 0);
    EXPECT_GE(lineHeight(Font{"MS Sans Serif", 18, true}), 24);
}

TEST(Fonts, RenderedTextIsReusedAndCoversSomePixels) {
    Font f{"MS Sans Serif", 18, true};
    TextMaskRef a = renderText(f, "1234");
    EXPECT_EQ(a, renderText(f, "1234"));
    ASSERT_GT(a->width, 0);
    EXPECT_EQ(a->coverage.size(), size_t(a->width) * a->height);
    int full = 0;
    for (uint8_t c : a->coverage) full += c == 255;
    EXPECT_GT(full, 30);
}

}  // namespace
}  // namespace plat
