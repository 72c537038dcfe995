// Text rendering of the art generator.
#include "canvas.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace art;

namespace {

int inkSum(const Mask& m) {
    int sum = 0;
    for (uint8_t a : m.a) sum += a;
    return sum;
}

}  // namespace

TEST(Text, RendersAntialiasedCoverageOfTheRequestedSize) {
    TextStyle s;
    s.pixelSize = 24;
    const Mask m = renderText("Corvane", s);
    ASSERT_EQ(m.a.size(), size_t(m.width) * m.height);
    EXPECT_GE(m.height, 24);
    EXPECT_LE(m.height, 36);
    // Solid ink, empty ground and soft edges in between.
    EXPECT_TRUE(std::count(m.a.begin(), m.a.end(), 255) > 0);
    EXPECT_TRUE(std::count(m.a.begin(), m.a.end(), 0) > 0);
    EXPECT_TRUE(std::any_of(m.a.begin(), m.a.end(), [](uint8_t a) { return a > 0 && a < 255; }));

    TextStyle big = s;
    big.pixelSize = 48;
    EXPECT_GT(renderText("Corvane", big).width, m.width * 3 / 2);
    EXPECT_GT(renderText("Corvane Corvane", s).width, m.width * 3 / 2);
    EXPECT_EQ(renderText("", s).width, 0);
}

TEST(Text, BoldItalicAndMonoAreDifferentFaces) {
    TextStyle regular;
    regular.pixelSize = 20;
    TextStyle bold = regular, italic = regular, mono = regular;
    bold.bold = true;
    italic.italic = true;
    mono.family = "Liberation Mono";
    const Mask r = renderText("iiiiWWWW", regular);
    EXPECT_GT(inkSum(renderText("iiiiWWWW", bold)), inkSum(r) * 11 / 10);
    EXPECT_NE(renderText("iiiiWWWW", italic).a, r.a);
    // In a monospaced face the narrow letters take as much room as the wide.
    EXPECT_EQ(renderText("iiii", mono).width, renderText("WWWW", mono).width);
    EXPECT_LT(renderText("iiii", regular).width, renderText("WWWW", regular).width);
}

TEST(Text, IsDeterministicAndDrawsInTheGivenColour) {
    TextStyle s;
    s.pixelSize = 18;
    s.bold = true;
    EXPECT_EQ(renderText("SCORE 1234", s).a, renderText("SCORE 1234", s).a);

    Canvas c(120, 40, Rgb{0, 0, 0});
    drawText(c, 5, 5, "HELP", s, Rgb{255, 255, 102});
    int full = 0;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            const Rgb p = c.get(x, y);
            if (p == Rgb{255, 255, 102}) ++full;
            EXPECT_LE(p.b, p.r) << "only blends of black and the colour";
            if (x < 5 || y < 5) {
                EXPECT_EQ(p, Rgb{}) << "nothing above or left of the corner";
            }
        }
    EXPECT_GT(full, 40);
}
