#include "picture_file.h"
#include "pictures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <stdexcept>

using art::Canvas;
using art::Rgb;

namespace {

struct Mean {
    double r = 0, g = 0, b = 0;
    double light() const { return (r + g + b) / 3; }
};

// Average colour of a region given in fractions of the picture.
Mean mean(const Canvas& c, double x0, double y0, double x1, double y1) {
    Mean m;
    int n = 0;
    for (int y = int(y0 * c.height()); y < int(y1 * c.height()); ++y)
        for (int x = int(x0 * c.width()); x < int(x1 * c.width()); ++x, ++n) {
            Rgb p = c.get(x, y);
            m.r += p.r;
            m.g += p.g;
            m.b += p.b;
        }
    m.r /= n;
    m.g /= n;
    m.b /= n;
    return m;
}

}  // namespace

TEST(Backgrounds, AreFullSizeDetailedPictures) {
    std::vector<std::vector<Rgb>> seen;
    for (const std::string& name : art::backgroundNames()) {
        Canvas c = art::paintBackground(name);
        ASSERT_EQ(c.width(), 297) << name;
        ASSERT_EQ(c.height(), 424) << name;
        std::set<uint32_t> colours;
        for (Rgb p : c.pixels()) colours.insert(uint32_t(p.r) << 16 | p.g << 8 | p.b);
        EXPECT_GT(colours.size(), 2000u) << name << " looks flat";
        for (const auto& other : seen) EXPECT_NE(other, c.pixels()) << name << " repeats another scene";
        seen.push_back(c.pixels());
    }
    EXPECT_EQ(seen.size(), 5u);
    EXPECT_THROW(art::paintBackground("geysir2"), std::invalid_argument);
}

TEST(Backgrounds, ScenesHaveTheirSkiesAndGrounds) {
    // Day scenes: blue sky over a darker, warmer or greener foot.
    Canvas g0 = art::paintBackground("geysir0");
    Mean sky = mean(g0, 0, 0, 1, 0.1), ground = mean(g0, 0, 0.9, 1, 1);
    EXPECT_GT(sky.b, sky.r + 60);
    EXPECT_GT(ground.r, ground.b);

    Canvas g1 = art::paintBackground("geysir1");
    Mean column = mean(g1, 0.45, 0.3, 0.55, 0.7), side = mean(g1, 0, 0.3, 0.1, 0.5);
    EXPECT_GT(column.light(), 215);  // the white column of water
    EXPECT_GT(side.b, side.r + 40);

    // Night: dark overhead, glowing orange-red low in the sky.
    Canvas el = art::paintBackground("eldfell");
    Mean top = mean(el, 0, 0, 1, 0.05), glow = mean(el, 0, 0.5, 0.2, 0.65);
    EXPECT_LT(top.light(), 45);
    EXPECT_GT(glow.r, glow.g + 40);
    EXPECT_GT(glow.g, glow.b);

    // Two white rams side by side on a dark ground.
    Canvas sh = art::paintBackground("sheep");
    EXPECT_LT(mean(sh, 0, 0, 1, 0.1).light(), 60);
    EXPECT_GT(mean(sh, 0.1, 0.65, 0.35, 0.8).light(), 150);
    EXPECT_GT(mean(sh, 0.65, 0.65, 0.9, 0.8).light(), 150);

    // Blue sky, white water over a dark cliff beside it.
    Canvas wf = art::paintBackground("waterf");
    Mean wsky = mean(wf, 0.3, 0, 0.7, 0.08), fall = mean(wf, 0.45, 0.45, 0.55, 0.6),
         rock = mean(wf, 0, 0.45, 0.2, 0.55);
    EXPECT_GT(wsky.b, wsky.r + 40);
    EXPECT_GT(fall.light(), 170);
    EXPECT_LT(rock.light(), 80);
}

TEST(Artgen, WritesIntoANewFolderAndFailsLoudly) {
    arttest::TempDir dir("cli");
    const std::string out = dir.file("deep/program/pictures");
    ASSERT_EQ(std::system((std::string(CORVANE_ARTGEN) + " '" + out + "' 2>/dev/null").c_str()), 0);
    for (const char* name : {"H0", "h0v0", "p11b", "laserhb", "WoodPict", "waterf"}) {
        auto loaded = arttest::loadBmp(out + "/" + name + ".bmp");
        EXPECT_TRUE(loaded) << name;
    }
    EXPECT_NE(std::system((std::string(CORVANE_ARTGEN) + " 2>/dev/null").c_str()), 0);
    // A folder cannot be made below a plain file.
    const std::string blocker = out + "/H0.bmp/sub";
    EXPECT_NE(std::system((std::string(CORVANE_ARTGEN) + " '" + blocker + "' 2>/dev/null").c_str()), 0);
}
