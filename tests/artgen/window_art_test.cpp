// The game window's pictures: sizes, the menu and its lit highlights, the
// framed board area, the score headings, pause, game over, splash, cursors
// and icon, and the files they are written to.
#include "pictures.h"
#include "window_art.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <unistd.h>

using namespace art;
namespace fs = std::filesystem;

namespace {

int brightness(Rgb c) { return (c.r + c.g + c.b) / 3; }

struct Found {
    int count = 0, minX = 1 << 20, maxX = -1, minY = 1 << 20, maxY = -1;
    double centreX() const { return (minX + maxX) / 2.0; }
};

Found find(const Canvas& c, const Rect& area, const std::function<bool(Rgb)>& pred) {
    Found f;
    for (int y = area.y; y < area.bottom(); ++y)
        for (int x = area.x; x < area.right(); ++x)
            if (c.inside(x, y) && pred(c.get(x, y))) {
                ++f.count;
                f.minX = std::min(f.minX, x), f.maxX = std::max(f.maxX, x);
                f.minY = std::min(f.minY, y), f.maxY = std::max(f.maxY, y);
            }
    return f;
}

Rect whole(const Canvas& c) { return Rect{0, 0, c.width(), c.height()}; }

bool blueBall(Rgb c) { return c.b > c.r + 40 && c.b > c.g + 40; }
bool redBall(Rgb c) { return c.r > c.g + 60 && c.r > c.b + 60; }
bool purpleBall(Rgb c) { return c.r > c.g + 40 && c.b > c.g + 40; }

std::function<bool(Rgb)> ballHue(MenuItem item) {
    switch (item) {
        case MenuItem::Start:
        case MenuItem::Scores: return blueBall;
        case MenuItem::Info:
        case MenuItem::Exit: return redBall;
        default: return purpleBall;
    }
}

const Canvas& artwork() {
    static const Canvas c = windowArtwork();
    return c;
}

}  // namespace

TEST(WindowPictures, HaveTheirSizes) {
    const std::pair<Canvas, std::pair<int, int>> pictures[] = {
        {artwork(), {640, 480}},       {pausePicture(), {200, 200}}, {gameOverPicture(), {200, 200}},
        {splashPicture(), {491, 400}}, {windowCursor(), {32, 32}},   {boardCursor(), {32, 32}},
        {handCursor(), {32, 32}},      {iconPicture(), {32, 32}},
    };
    for (const auto& [c, size] : pictures) {
        EXPECT_EQ(c.width(), size.first);
        EXPECT_EQ(c.height(), size.second);
    }
    const std::pair<MenuItem, std::pair<int, int>> lit[] = {
        {MenuItem::Start, {103, 40}},  {MenuItem::Options, {122, 36}}, {MenuItem::Info, {101, 43}},
        {MenuItem::Scores, {115, 40}}, {MenuItem::Exit, {88, 36}},     {MenuItem::Help, {84, 38}},
    };
    for (const auto& [item, size] : lit) {
        const Canvas h = menuHighlight(item);
        EXPECT_EQ(h.width(), size.first) << menuButton(item).highlight;
        EXPECT_EQ(h.height(), size.second) << menuButton(item).highlight;
    }
}

TEST(MenuButtons, BallAndWordLieUnderHotSpotAndHighlight) {
    for (MenuItem item : kMenuItems) {
        const MenuButtonInfo& b = menuButton(item);
        SCOPED_TRACE(b.word);
        const Rect near{b.hotSpot.x - 10, b.hotSpot.y - 10, b.hotSpot.w + 20, b.hotSpot.h + 20};
        auto inBoth = [&](int x, int y) {
            for (const Rect& r : {b.hotSpot, b.lit})
                if (x < r.x || y < r.y || x >= r.right() || y >= r.bottom()) return false;
            return true;
        };
        const Found word = find(artwork(), near, [](Rgb c) { return c.r >= 240 && c.g >= 240 && c.b >= 240; });
        EXPECT_GT(word.count, 40);
        EXPECT_TRUE(inBoth(word.minX, word.minY) && inBoth(word.maxX, word.maxY));
        const Found ball = find(artwork(), near, ballHue(item));
        EXPECT_GT(ball.count, 200);
        EXPECT_TRUE(inBoth(ball.minX, ball.minY) && inBoth(ball.maxX, ball.maxY));
        EXPECT_GT(word.maxX, ball.maxX + 30) << "the word follows its ball";
    }
}

TEST(MenuHighlights, DifferFromTheArtworkOnlyWhereLit) {
    for (MenuItem item : kMenuItems) {
        const MenuButtonInfo& b = menuButton(item);
        SCOPED_TRACE(b.highlight);
        const Canvas lit = menuHighlight(item);
        const Canvas below = artwork().crop(b.lit.x, b.lit.y, b.lit.w, b.lit.h);
        const Rect area = menuButtonArea(item);
        int changed = 0;
        long litSum = 0, belowSum = 0;
        for (int y = 0; y < lit.height(); ++y)
            for (int x = 0; x < lit.width(); ++x) {
                if (lit.get(x, y) == below.get(x, y)) continue;
                ++changed;
                litSum += brightness(lit.get(x, y));
                belowSum += brightness(below.get(x, y));
                const int wx = x + b.lit.x, wy = y + b.lit.y;
                EXPECT_TRUE(wx >= area.x && wy >= area.y && wx < area.right() && wy < area.bottom())
                    << "changed pixel outside the button at " << wx << "," << wy;
            }
        EXPECT_GT(changed, lit.width() * lit.height() / 8);
        EXPECT_GT(litSum, belowSum) << "lit is lighter";
        // The ball keeps its colour family, in a lighter tint.
        const Found litBall = find(lit, whole(lit), ballHue(item));
        const Found artBall = find(below, whole(below), ballHue(item));
        EXPECT_GT(litBall.count, 100);
        EXPECT_NEAR(litBall.minX, artBall.minX, 3);
    }
}

TEST(MenuHighlights, WordIsPaleYellowWithItsKeyLetterStronger) {
    for (MenuItem item : kMenuItems) {
        const MenuButtonInfo& b = menuButton(item);
        SCOPED_TRACE(b.highlight);
        const Canvas lit = menuHighlight(item);
        const Found key = find(lit, whole(lit), [](Rgb c) { return c == kLitKey; });
        const Found word = find(lit, whole(lit), [](Rgb c) { return c == kLitWord; });
        ASSERT_GT(key.count, 8);
        ASSERT_GT(word.count, 40);
        EXPECT_GT(word.maxX, key.maxX) << "letters after the key letter";
        // Each word's key is its first letter, but for SCORES it is the C.
        if (item != MenuItem::Scores) {
            EXPECT_LT(key.minX, word.minX) << "the key letter comes first";
        } else {
            EXPECT_GT(key.minX, word.minX) << "a letter comes before the key letter";
        }
        // The artwork's word is white: neither yellow appears there.
        const Canvas below = artwork().crop(b.lit.x, b.lit.y, b.lit.w, b.lit.h);
        EXPECT_EQ(find(below, whole(below), [](Rgb c) { return c == kLitKey || c == kLitWord; }).count, 0);
    }
}

TEST(WindowArtwork, BoardAreaShowsTheFirstLevelPhotoInAGreyFrame) {
    const Rect a = kBoardArea;
    const Canvas photo = paintBackground("geysir0");
    EXPECT_EQ(artwork().crop(a.x, a.y, a.w, a.h).pixels(), photo.crop(0, 0, a.w, a.h).pixels());
    auto grey = [](Rgb c) { return std::abs(c.r - c.g) < 16 && std::abs(c.b - c.g) < 24 && brightness(c) > 60; };
    for (int d = 1; d <= 8; ++d) {
        EXPECT_TRUE(grey(artwork().get(a.x - d, a.y + 200))) << d;
        EXPECT_TRUE(grey(artwork().get(a.right() - 1 + d, a.y + 200))) << d;
        EXPECT_TRUE(grey(artwork().get(a.x + 150, a.y - d))) << d;
        EXPECT_TRUE(grey(artwork().get(a.x + 150, a.bottom() - 1 + d))) << d;
    }
    // Bevelled: lit on the upper left, shaded on the lower right.
    EXPECT_GT(brightness(artwork().get(a.x - 8, a.y + 200)), brightness(artwork().get(a.right() + 7, a.y + 200)));
}

TEST(WindowArtwork, TitleAndScoreHeadingsInTheirColours) {
    const Found red = find(artwork(), Rect{0, 0, 160, 80}, [](Rgb c) { return c.r > 150 && c.g < 70 && c.b < 70; });
    const Found blue = find(artwork(), Rect{0, 80, 160, 80}, [](Rgb c) { return c.b > c.r + 60 && c.b > 100; });
    EXPECT_GT(red.count, 500);
    EXPECT_GT(blue.count, 500);

    const std::function<bool(Rgb)> hue[3] = {
        [](Rgb c) { return c.b > 200 && c.b > c.r + 30; },                     // SCORE, light blue
        [](Rgb c) { return c.r > 180 && c.g < 90 && c.b < 90; },               // LEVEL, red
        [](Rgb c) { return c.r > 200 && c.g > 90 && c.g < 210 && c.b < 90; },  // HISCORE, orange
    };
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const Rect label = kScoreLabels[i];
        const Found heading = find(artwork(), Rect{466, label.y - 44, 174, 44}, hue[i]);
        EXPECT_GT(heading.count, 150);
        EXPECT_NEAR(heading.centreX(), label.x + label.w / 2.0, 6.0);
        // The label itself stays dark so its light-yellow digits read well.
        long sum = 0;
        for (int y = label.y; y < label.bottom(); ++y)
            for (int x = label.x; x < label.right(); ++x) sum += brightness(artwork().get(x, y));
        EXPECT_LT(sum / (label.w * label.h), 60);
    }
}

TEST(WindowPictures, PauseAndGameOverLettering) {
    const Canvas pause = pausePicture();
    EXPECT_TRUE(pause.get(20, 20).b > pause.get(20, 20).r + 20);
    const Found orange = find(pause, Rect{0, 70, 200, 60},
                              [](Rgb c) { return c.r > 200 && c.g > 80 && c.g < 200 && c.b < 80; });
    EXPECT_GT(orange.count, 300);
    EXPECT_NEAR(orange.centreX(), 100, 4);

    const Canvas over = gameOverPicture();
    auto pale = [](Rgb c) { return c.r > 230 && c.g > 215 && c.b > 110 && c.b < 235; };
    const Found game = find(over, Rect{0, 30, 200, 70}, pale), overWord = find(over, Rect{0, 100, 200, 70}, pale);
    EXPECT_GT(game.count, 300);
    EXPECT_GT(overWord.count, 300);
    EXPECT_LT(game.maxY, overWord.minY) << "two lines";
    // Outlined: dark, not navy, pixels hug the letters.
    const Found outline = find(over, whole(over), [](Rgb c) { return brightness(c) < 60 && c.b < c.r + 25; });
    EXPECT_GT(outline.count, 200);
}

TEST(Splash, RedAboveGoldBelowAndACreditNearTheBottom) {
    const Canvas s = splashPicture();
    for (auto [x, y] : {std::pair{0, 0}, {490, 0}, {0, 399}, {490, 399}}) EXPECT_EQ(s.get(x, y), Rgb{});
    const Found red = find(s, Rect{0, 0, 491, 180}, [](Rgb c) { return c.r > 120 && c.g < 60 && c.b < 60; });
    const Found gold = find(s, Rect{0, 180, 491, 180}, [](Rgb c) { return c.r > 200 && c.g > 120 && c.b < 100; });
    EXPECT_GT(red.count, 6000);
    EXPECT_GT(gold.count, 6000);
    EXPECT_GT(red.maxX - red.minX, 300) << "large letters fill the picture";
    EXPECT_GT(gold.maxX - gold.minX, 380);
    const Found credit = find(s, Rect{0, 360, 491, 40}, [](Rgb c) { return c.r > 120 && c.g < 80 && c.b < 80; });
    EXPECT_GT(credit.count, 60);
    EXPECT_NEAR(credit.centreX(), 245, 6);
    EXPECT_LT(credit.maxY - credit.minY, 20) << "one small line";
}

TEST(Cursors, HotSpotsSitOnTheirShapes) {
    auto opaque = [](const Canvas& c, int x, int y) { return c.get(x, y) != kCursorTransparent; };
    const Canvas arrow = windowCursor();
    EXPECT_TRUE(opaque(arrow, 6, 7));
    const Found arrowInk = find(arrow, whole(arrow), [](Rgb c) { return c != kCursorTransparent; });
    EXPECT_GE(arrowInk.minX, 5) << "nothing left of the tip but its outline";
    EXPECT_GE(arrowInk.minY, 6) << "nothing above the tip but its outline";
    EXPECT_GT(arrowInk.count, 100);
    std::vector<Rgb> greys;
    for (const Rgb& p : arrow.pixels())
        if (p != kCursorTransparent && std::find(greys.begin(), greys.end(), p) == greys.end()) greys.push_back(p);
    EXPECT_GE(greys.size(), 4u) << "outline and three shades make it look raised";
    EXPECT_LE(greys.size(), 16u);

    const Canvas down = boardCursor();
    EXPECT_TRUE(opaque(down, 15, 7));
    const Found downInk = find(down, whole(down), [](Rgb c) { return c != kCursorTransparent; });
    EXPECT_GE(downInk.minY, 6);
    // Symmetric about the column of the hot spot.
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 15; ++x) EXPECT_EQ(opaque(down, x, y), opaque(down, 30 - x, y)) << x << "," << y;
    auto rowWidth = [&](int y) {
        return find(down, Rect{0, y, 32, 1}, [](Rgb c) { return c != kCursorTransparent; }).count;
    };
    EXPECT_GT(rowWidth(downInk.maxY - 8), rowWidth(downInk.minY + 2)) << "the head is at the bottom";
    EXPECT_LT(rowWidth(downInk.maxY), 4) << "and narrows to a point";

    const Canvas hand = handCursor();
    EXPECT_TRUE(opaque(hand, 6, 0));
    EXPECT_EQ(find(hand, Rect{0, 0, 32, 1}, [](Rgb c) { return c != kCursorTransparent; }).count, 3);
    for (const Rgb& p : hand.pixels())
        EXPECT_TRUE((p == kCursorTransparent || p == Rgb{0, 0, 0} || p == Rgb{255, 255, 255}));
}

TEST(Icon, NavyWithAWhitePipeAndARedBeam) {
    const Canvas icon = iconPicture();
    const Rgb corner = icon.get(3, 3), pipe = icon.get(15, 5), beam = icon.get(5, 13), cross = icon.get(16, 16);
    EXPECT_TRUE(corner.b > corner.r + 60 && corner.b > corner.g + 60);
    EXPECT_GT(std::min({pipe.r, pipe.g, pipe.b}), 200);
    EXPECT_TRUE(beam.r > 200 && beam.g < 100);
    EXPECT_GT(cross.r, cross.b + 40) << "the beam crosses in front of the pipe";
}

TEST(Icon, PaintedAt48ItKeepsItsPartsInTheirPlacesHalfAgainAsLarge) {
    const Canvas icon = iconPicture(48);
    ASSERT_EQ(icon.width(), 48);
    ASSERT_EQ(icon.height(), 48);
    auto grey = [](Rgb c) { return c.r == c.g && c.g == c.b && c.r > 100; };
    auto red = [](Rgb c) { return c.r > 150 && c.b < 200 && c.r > c.b + 40; };
    const Found pipe = find(icon, Rect{0, 0, 48, 48}, grey), beam = find(icon, Rect{0, 0, 48, 48}, red);
    // 8 of 32 columns and 28 rows wide in the window icon: 12 and 42 here, centred.
    EXPECT_EQ(std::make_pair(pipe.minX, pipe.maxX), std::make_pair(18, 29));
    EXPECT_EQ(std::make_pair(pipe.minY, pipe.maxY), std::make_pair(3, 44));
    EXPECT_EQ(std::make_pair(beam.minY, beam.maxY), std::make_pair(18, 29));
    EXPECT_EQ(std::make_pair(beam.minX, beam.maxX), std::make_pair(3, 44));
    const Rgb frame = iconPicture().get(0, 0);
    for (int i = 0; i < 48; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(icon.get(i, 0), frame);
        EXPECT_EQ(icon.get(47, i), frame);
        EXPECT_NE(icon.get(1, std::clamp(i, 1, 46)), frame) << "a frame one pixel wide, as in the window icon";
    }
}

TEST(WindowArtFiles, WrittenAsUncompressedEightBitBmpsTheSameEachTime) {
    const fs::path a = fs::temp_directory_path() / ("corvane_window_a" + std::to_string(::getpid()));
    const fs::path b = fs::temp_directory_path() / ("corvane_window_b" + std::to_string(::getpid()));
    for (const fs::path& d : {a, b}) {
        fs::remove_all(d);
        fs::create_directories(d);
        writeWindowArt(d.string());
    }
    auto read = [](const fs::path& p) {
        std::ifstream f(p, std::ios::binary);
        const std::vector<char> raw{std::istreambuf_iterator<char>(f), {}};
        return std::vector<uint8_t>(raw.begin(), raw.end());
    };
    auto le32 = [](const std::vector<uint8_t>& v, size_t at) {
        return int32_t(v[at] | v[at + 1] << 8 | v[at + 2] << 16 | uint32_t(v[at + 3]) << 24);
    };
    const std::pair<const char*, std::pair<int, int>> files[] = {
        {"visual", {640, 480}},    {"start0", {103, 40}},  {"options0", {122, 36}},     {"info0", {101, 43}},
        {"scores0", {115, 40}},    {"exit0", {88, 36}},    {"help0", {84, 38}},         {"pause", {200, 200}},
        {"gameOver", {200, 200}},  {"splash", {491, 400}}, {"cursor_window", {32, 32}}, {"cursor_board", {32, 32}},
        {"cursor_hand", {32, 32}}, {"icon", {32, 32}},
    };
    for (const auto& [name, size] : files) {
        SCOPED_TRACE(name);
        const std::vector<uint8_t> bytes = read(a / (std::string(name) + ".bmp"));
        ASSERT_GT(bytes.size(), 54u);
        EXPECT_EQ(bytes[0], 'B');
        EXPECT_EQ(bytes[1], 'M');
        EXPECT_EQ(le32(bytes, 18), size.first);
        EXPECT_EQ(std::abs(le32(bytes, 22)), size.second);
        EXPECT_EQ(bytes[28], 8) << "bits per pixel";
        EXPECT_EQ(le32(bytes, 30), 0) << "no compression";
        EXPECT_EQ(bytes, read(b / (std::string(name) + ".bmp")));
    }
    fs::remove_all(a);
    fs::remove_all(b);
}
