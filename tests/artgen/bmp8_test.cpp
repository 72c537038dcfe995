#include "canvas.h"
#include "picture_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <stdexcept>

using art::Canvas;
using art::Compression;
using art::hex;
using art::Rgb;
using arttest::loadBmp;

namespace {

// Canvases that exercise the run-length coder: long runs (over 255),
// single pixels, literal stretches of every short length, odd widths.
std::vector<Canvas> codingCases() {
    std::vector<Canvas> cases;
    Canvas runs(300, 3, hex(0x102030));
    runs.fillRect(0, 1, 257, 1, hex(0xFFFFFF));
    runs.set(299, 2, hex(0xFF0000));
    cases.push_back(runs);

    Canvas literals(37, 9);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 37; ++x) {
            // Row y holds literal stretches of length y+1 between runs of two.
            int period = y + 3;
            int k = x % period;
            literals.set(x, y, k < y + 1 ? hex(0x010101u * uint32_t(k * 20 + y)) : hex(0x00FF00));
        }
    cases.push_back(literals);

    Canvas noisy(5, 7);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 5; ++x) noisy.set(x, y, hex(uint32_t(art::hashNoise(x, y, 3) * 64) * 0x030201u));
    cases.push_back(noisy);

    cases.push_back(Canvas(1, 1, hex(0xABCDEF)));
    return cases;
}

}  // namespace

TEST(Bmp8, FewColoursComeBackExactlyWithRowPadding) {
    arttest::TempDir dir("exact");
    for (int width : {1, 2, 3, 13, 40}) {
        Canvas c(width, 11);
        for (int y = 0; y < 11; ++y)
            for (int x = 0; x < width; ++x) c.set(x, y, hex(uint32_t((x * 11 + y) % 200) * 0x010305u));
        const std::string path = dir.file("w" + std::to_string(width) + ".bmp");
        art::writeBmp8(c, path);
        auto loaded = loadBmp(path);
        ASSERT_TRUE(loaded);
        EXPECT_EQ(loaded->bitsPerPixel, 8);
        EXPECT_EQ(loaded->canvas.width(), width);
        EXPECT_EQ(loaded->canvas.height(), 11);
        EXPECT_TRUE(arttest::samePixels(loaded->canvas, c)) << "width " << width;

        auto bytes = arttest::fileBytes(path);
        EXPECT_EQ(arttest::headerField(bytes, 28, 2), 8u);    // bits per pixel
        EXPECT_EQ(arttest::headerField(bytes, 30, 4), 0u);    // uncompressed
        EXPECT_EQ(arttest::headerField(bytes, 46, 4), 256u);  // palette entries
        EXPECT_EQ(bytes.size(), 14u + 40u + 1024u + size_t((width + 3) / 4 * 4) * 11u);
    }
}

TEST(Bmp8, Rle8DecodesToTheSamePixels) {
    arttest::TempDir dir("rle");
    int n = 0;
    for (const Canvas& c : codingCases()) {
        const std::string plain = dir.file("plain" + std::to_string(n) + ".bmp");
        const std::string rle = dir.file("rle" + std::to_string(n) + ".bmp");
        ++n;
        art::writeBmp8(c, plain);
        art::writeBmp8(c, rle, Compression::Rle8);
        auto a = loadBmp(plain), b = loadBmp(rle);
        ASSERT_TRUE(a && b);
        EXPECT_TRUE(arttest::samePixels(a->canvas, c)) << "case " << n;
        EXPECT_TRUE(arttest::samePixels(b->canvas, c)) << "case " << n;

        auto bytes = arttest::fileBytes(rle);
        EXPECT_EQ(arttest::headerField(bytes, 30, 4), 1u);  // BI_RLE8
        EXPECT_EQ(arttest::headerField(bytes, 34, 4), bytes.size() - 1078);
        EXPECT_EQ(arttest::headerField(bytes, 2, 4), bytes.size());
        // The stream closes with the end-of-bitmap marker.
        EXPECT_EQ(bytes[bytes.size() - 2], 0);
        EXPECT_EQ(bytes[bytes.size() - 1], 1);
    }
}

TEST(Bmp8, Rle8ShrinksRunsAndKeepsWordAlignedLiterals) {
    arttest::TempDir dir("rlesize");
    Canvas flat(40, 40, hex(0x000033));
    art::writeBmp8(flat, dir.file("flat.bmp"), Compression::Rle8);
    // One run and one end-of-line marker per row.
    EXPECT_EQ(arttest::fileBytes(dir.file("flat.bmp")).size(), 1078u + 40u * 4u);

    // An odd literal stretch is padded to a word: 00 03 a b c 00, then the end.
    Canvas three(3, 1);
    three.set(0, 0, hex(0x111111));
    three.set(1, 0, hex(0x222222));
    three.set(2, 0, hex(0x333333));
    art::writeBmp8(three, dir.file("three.bmp"), Compression::Rle8);
    auto bytes = arttest::fileBytes(dir.file("three.bmp"));
    ASSERT_EQ(bytes.size(), 1078u + 8u);
    EXPECT_EQ(bytes[1078], 0);
    EXPECT_EQ(bytes[1079], 3);
    EXPECT_EQ(bytes[1083], 0);
}

TEST(Bmp8, ManyColoursAreQuantisedCloselyAndDeterministically) {
    arttest::TempDir dir("quant");
    // A smooth two-way gradient with noise: tens of thousands of colours.
    Canvas c(297, 200);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 297; ++x) {
            Rgb base = art::mix(art::mix(hex(0x0B2C82), hex(0xFFFFFF), x / 296.0), hex(0x7C4A12), y / 199.0);
            c.set(x, y, art::shade(base, 0.9 + 0.2 * art::hashNoise(x, y, 9)));
        }
    art::writeBmp8(c, dir.file("a.bmp"));
    art::writeBmp8(c, dir.file("b.bmp"));
    EXPECT_EQ(arttest::fileBytes(dir.file("a.bmp")), arttest::fileBytes(dir.file("b.bmp")));

    auto loaded = loadBmp(dir.file("a.bmp"));
    ASSERT_TRUE(loaded);
    std::set<uint32_t> used;
    double total = 0;
    int worst = 0;
    for (size_t i = 0; i < c.pixels().size(); ++i) {
        Rgb a = c.pixels()[i], b = loaded->canvas.pixels()[i];
        used.insert(uint32_t(b.r) << 16 | b.g << 8 | b.b);
        int err = std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
        worst = std::max(worst, err);
        total += err;
    }
    EXPECT_LE(used.size(), 256u);
    EXPECT_GT(used.size(), 200u);  // the palette is put to use
    EXPECT_LT(total / double(c.pixels().size()), 6.0);
    EXPECT_LT(worst, 40);
}

TEST(Bmp8, UnwritablePathThrows) {
    EXPECT_THROW(art::writeBmp8(Canvas(2, 2), "/nonexistent-dir/x/y.bmp"), std::runtime_error);
}
