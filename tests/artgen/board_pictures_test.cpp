#include "picture_file.h"
#include "pictures.h"
#include "shared/picture_catalogue.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>

using art::Canvas;
using art::hex;
using art::Rgb;

namespace {

const Rgb kRed = hex(0xFF0000), kGreen = hex(0x00FF00);
const Rgb kNavy = hex(0x000033), kDarkGreen = hex(0x001000);

struct SetInfo {
    std::string suffix;  // of block and laser pictures
    Rgb ground, lit;
    // Cell picture names by [horizontal][vertical], 0 none, 1 plain, 2 lit.
    std::array<std::array<std::string, 3>, 3> cells;
};

const SetInfo kPipes{"", kNavy, kRed, {{{"emp", "V", "v0"}, {"H", "hv", "hv0"}, {"H0", "h0v", "h0v0"}}}};
const SetInfo kBranches{
    "b", kDarkGreen, kGreen, {{{"empB", "VB", "V0B"}, {"HB", "HVB", "HV0B"}, {"H0B", "H0VB", "H0V0B"}}}};

// Pipes of kinds 1..11 as the game knows them: up, down, left, right. The
// catalogue the generator draws from must hold the same.
const std::array<std::array<bool, 4>, 11> kKinds{{{1, 0, 0, 1},
                                                  {0, 1, 0, 1},
                                                  {0, 1, 1, 0},
                                                  {1, 0, 1, 0},
                                                  {0, 0, 1, 1},
                                                  {1, 1, 0, 0},
                                                  {1, 1, 0, 1},
                                                  {0, 1, 1, 1},
                                                  {1, 1, 1, 0},
                                                  {1, 0, 1, 1},
                                                  {1, 1, 1, 1}}};

class BoardPictures : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new arttest::TempDir("board");
        art::writeBoardPictures(dir_->str());
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }
    static Canvas picture(const std::string& name) {
        auto loaded = arttest::loadBmp(dir_->file(name + ".bmp"));
        if (!loaded) {
            ADD_FAILURE() << name << ": ";
            return Canvas(0, 0);
        }
        EXPECT_EQ(loaded->bitsPerPixel, 8) << name;
        return loaded->canvas;
    }
    static inline arttest::TempDir* dir_ = nullptr;
};

bool rowIs(const Canvas& c, int y, Rgb colour) {
    for (int x = 0; x < c.width(); ++x)
        if (!(c.get(x, y) == colour)) return false;
    return true;
}

bool columnIs(const Canvas& c, int x, Rgb colour) {
    for (int y = 0; y < c.height(); ++y)
        if (!(c.get(x, y) == colour)) return false;
    return true;
}

}  // namespace

TEST_F(BoardPictures, EveryPictureHasItsSize) {
    std::map<std::string, std::pair<int, int>> sizes;
    for (const SetInfo* set : {&kPipes, &kBranches}) {
        for (const auto& row : set->cells)
            for (const auto& name : row) sizes[name] = {20, 20};
        for (int k = 1; k <= 11; ++k) sizes["p" + std::to_string(k) + set->suffix] = {40, 40};
        sizes["laserv" + set->suffix] = {4, 2};
        sizes["laserh" + set->suffix] = {2, 4};
    }
    sizes["IronPict"] = sizes["WoodPict"] = {40, 40};
    for (const char* bg : {"geysir0", "geysir1", "eldfell", "sheep", "waterf"}) sizes[bg] = {297, 424};
    ASSERT_EQ(sizes.size(), 18u + 22u + 4u + 2u + 5u);
    for (const auto& [name, size] : sizes) {
        Canvas c = picture(name);
        EXPECT_EQ(c.width(), size.first) << name;
        EXPECT_EQ(c.height(), size.second) << name;
    }
}

TEST_F(BoardPictures, BlockPicturesAreTheirFourCellsLaidTwoByTwo) {
    ASSERT_EQ(catalogue::kKinds.size(), kKinds.size());
    for (size_t k = 0; k < kKinds.size(); ++k) {
        const catalogue::KindPipes& shared = catalogue::kKinds[k];
        EXPECT_EQ((std::array<bool, 4>{shared.up, shared.down, shared.left, shared.right}), kKinds[k]) << k + 1;
    }
    for (const SetInfo* set : {&kPipes, &kBranches}) {
        for (size_t k = 0; k < kKinds.size(); ++k) {
            auto [up, down, left, right] = kKinds[k];
            Canvas laid(40, 40);
            laid.blit(picture(set->cells[up][left]), 0, 0);
            laid.blit(picture(set->cells[up][right]), 20, 0);
            laid.blit(picture(set->cells[down][left]), 0, 20);
            laid.blit(picture(set->cells[down][right]), 20, 20);
            const std::string name = "p" + std::to_string(k + 1) + set->suffix;
            EXPECT_TRUE(arttest::samePixels(picture(name), laid)) << name;
        }
    }
}

TEST_F(BoardPictures, OnlyPipesBlocksAreRunLengthEncoded) {
    for (int k = 1; k <= 11; ++k) {
        auto rle = arttest::fileBytes(dir_->file("p" + std::to_string(k) + ".bmp"));
        auto plain = arttest::fileBytes(dir_->file("p" + std::to_string(k) + "b.bmp"));
        EXPECT_EQ(arttest::headerField(rle, 30, 4), 1u) << "p" << k;
        EXPECT_EQ(arttest::headerField(plain, 30, 4), 0u) << "p" << k << "b";
    }
    for (const char* name : {"emp", "hv", "laserv", "IronPict", "geysir0"})
        EXPECT_EQ(arttest::headerField(arttest::fileBytes(dir_->file(std::string(name) + ".bmp")), 30, 4), 0u) << name;
}

TEST_F(BoardPictures, EmptyCellsAreOpaqueInTheSetsGround) {
    EXPECT_TRUE(arttest::samePixels(picture("emp"), Canvas(20, 20, kNavy)));
    EXPECT_TRUE(arttest::samePixels(picture("empB"), Canvas(20, 20, kDarkGreen)));
}

TEST_F(BoardPictures, LaserPiecesContinueTheLitBarsWithoutAStep) {
    for (const SetInfo* set : {&kPipes, &kBranches}) {
        Canvas vPiece = picture("laserv" + set->suffix), hPiece = picture("laserh" + set->suffix);
        EXPECT_TRUE(arttest::samePixels(vPiece, Canvas(4, 2, set->lit)));
        EXPECT_TRUE(arttest::samePixels(hPiece, Canvas(2, 4, set->lit)));

        // A block whose upper-left cell has both bars lit, then the pieces
        // set into the gaps: 8 px in from the left below, 8 px down on the right.
        Canvas board(42, 42, set->ground);
        board.blit(picture(set->cells[2][2]), 0, 0);
        board.blit(picture(set->cells[0][2]), 0, 20);
        board.blit(picture(set->cells[2][0]), 20, 0);
        board.blit(vPiece, 8, 40);
        board.blit(hPiece, 40, 8);
        // Every row of the left column's beam is lit over the same four
        // columns, from the block's top to the bottom of the piece.
        for (int y = 0; y < 42; ++y)
            for (int x = 6; x <= 13; ++x)
                if (y < 7 || y > 12) {  // rows 7..12 are crossed by the horizontal bar
                    EXPECT_EQ(board.get(x, y) == set->lit, x >= 8 && x <= 11) << "x " << x << " y " << y;
                }
        for (int x = 0; x < 42; ++x)
            for (int y = 6; y <= 13; ++y)
                if (x < 7 || x > 12) {
                    EXPECT_EQ(board.get(x, y) == set->lit, y >= 8 && y <= 11) << "x " << x << " y " << y;
                }
    }
}

TEST_F(BoardPictures, SteelTubesAreShadedFromTheBrightEdge) {
    const std::array<Rgb, 5> lines{hex(0xD2D2D2), hex(0xD2D2D2), hex(0xAAAAAA), hex(0x666666), hex(0x464646)};
    Canvas h = picture("H"), v = picture("V");
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(rowIs(h, 7 + i, lines[size_t(i)])) << "row " << 7 + i;
        EXPECT_TRUE(columnIs(v, 7 + i, lines[size_t(i)])) << "column " << 7 + i;
    }
    // The last line is dotted in two greys.
    for (int i = 0; i < 20; ++i) {
        EXPECT_NE(h.get(i, 12) == hex(0x464646), h.get(i, 12) == hex(0x565656)) << i;
        EXPECT_FALSE(h.get(i, 12) == h.get(i + 1, 12) && i < 19) << i;
        EXPECT_NE(v.get(12, i) == hex(0x464646), v.get(12, i) == hex(0x565656)) << i;
    }
    for (int y : {0, 6, 13, 19}) EXPECT_TRUE(rowIs(h, y, kNavy)) << y;
    for (int x : {0, 6, 13, 19}) EXPECT_TRUE(columnIs(v, x, kNavy)) << x;
}

TEST_F(BoardPictures, HorizontalPipesLieOnTopWhereTheyCross) {
    for (const SetInfo* set : {&kPipes, &kBranches}) {
        const auto& n = set->cells;
        Canvas h = picture(n[1][0]), h0 = picture(n[2][0]), v = picture(n[0][1]), v0 = picture(n[0][2]);
        for (int hs = 1; hs <= 2; ++hs)
            for (int vs = 1; vs <= 2; ++vs) {
                Canvas cross = picture(n[hs][vs]);
                const Canvas& horizontal = hs == 1 ? h : h0;
                const Canvas& vertical = vs == 1 ? v : v0;
                for (int y = 0; y < 20; ++y)
                    for (int x = 0; x < 20; ++x) {
                        // The horizontal pipe wherever it paints, else the vertical one.
                        bool onHorizontal = !(horizontal.get(x, y) == set->ground);
                        Rgb want = onHorizontal ? horizontal.get(x, y) : vertical.get(x, y);
                        ASSERT_EQ(cross.get(x, y), want) << n[hs][vs] << " at " << x << "," << y;
                    }
            }
        // Lit bars are exactly four pixels wide in the middle of the band.
        for (int y = 0; y < 20; ++y) EXPECT_EQ(rowIs(h0, y, set->lit), y >= 8 && y <= 11) << y;
        for (int x = 0; x < 20; ++x) EXPECT_EQ(columnIs(v0, x, set->lit), x >= 8 && x <= 11) << x;
    }
}

TEST_F(BoardPictures, BranchesFillTheirBandWithMottledWood) {
    Canvas h = picture("HB"), v = picture("VB");
    std::set<uint32_t> colours;
    for (int a = 0; a < 20; ++a)
        for (int b = 0; b < 20; ++b) {
            bool inBand = b >= 7 && b <= 12;
            EXPECT_EQ(h.get(a, b) == kDarkGreen, !inBand) << "HB " << a << "," << b;
            EXPECT_EQ(v.get(b, a) == kDarkGreen, !inBand) << "VB " << b << "," << a;
            if (inBand) {
                Rgb c = h.get(a, b);
                colours.insert(uint32_t(c.r) << 16 | c.g << 8 | c.b);
                EXPECT_GE(c.r, c.b) << "wood is warm, not blue";
            }
        }
    EXPECT_GT(colours.size(), 40u);
    EXPECT_NE(h.crop(0, 7, 20, 6).pixels(), v.crop(7, 0, 6, 20).pixels());
}

TEST_F(BoardPictures, OptionSamplesShowABlockWithAllFourPipes) {
    EXPECT_TRUE(arttest::samePixels(picture("IronPict"), picture("p11")));
    EXPECT_TRUE(arttest::samePixels(picture("WoodPict"), picture("p11b")));
}

TEST_F(BoardPictures, GeneratingAgainGivesTheSameBytes) {
    arttest::TempDir again("again");
    art::writeBoardPictures(again.str());
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir_->str())) {
        const std::string name = entry.path().filename().string();
        EXPECT_EQ(arttest::fileBytes(entry.path().string()), arttest::fileBytes(again.file(name))) << name;
        ++files;
    }
    EXPECT_EQ(files, 51);
}
