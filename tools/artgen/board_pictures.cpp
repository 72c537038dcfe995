// The board's pictures: the nine cell pictures and eleven block pictures of
// each set, the laser pieces and the two samples of the options dialog.
//
// A block picture is its four cell pictures laid 2 x 2, so a landed block
// (drawn cell by cell) looks exactly like the falling one. Every texture is
// therefore a property of a cell picture, never of a block.
#include "pictures.h"

#include "shared/picture_catalogue.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace art {

namespace {

constexpr int kCell = 20;
constexpr int kTubeFrom = 7, kTubeTo = 12;  // plain pipe band, inclusive
constexpr int kBarFrom = 8, kBarTo = 11;    // lit bar band, inclusive

enum class Pipe { None, Plain, Lit };

struct Set {
    Rgb ground;
    Rgb lit;
    bool wood;
};

constexpr Set kPipes{hex(0x000033), hex(0xFF0000), false};
constexpr Set kBranches{hex(0x001000), hex(0x00FF00), true};

// Colour of a plain pipe at distance `along` on its axis and `across` (0..5)
// from its bright edge.
Rgb steel(int along, int across) {
    static constexpr std::array<uint32_t, 5> lines{0xD2D2D2, 0xD2D2D2, 0xAAAAAA, 0x666666, 0x464646};
    if (across < 5) return hex(lines[size_t(across)]);
    return hex(along % 2 == 0 ? 0x464646 : 0x565656);
}

// Value noise that repeats every `period` units along x, so that a branch
// runs on seamlessly from one cell into the next.
double tiledNoise(double x, double y, int period, uint32_t seed) {
    double fx = std::floor(x), fy = std::floor(y);
    int ix = int(fx), iy = int(fy);
    auto wrap = [period](int v) { return ((v % period) + period) % period; };
    auto s = [](double t) { return t * t * (3 - 2 * t); };
    double tx = s(x - fx), ty = s(y - fy);
    double a = hashNoise(wrap(ix), iy, seed), b = hashNoise(wrap(ix + 1), iy, seed);
    double c = hashNoise(wrap(ix), iy + 1, seed), d = hashNoise(wrap(ix + 1), iy + 1, seed);
    double top = a + (b - a) * tx, bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

Rgb barkColour(double t) {
    // Dark brown, brown, olive, tan and a weathered grey, in that order.
    static constexpr std::array<Rgb, 6> ramp{hex(0x3B2614), hex(0x5E3F22), hex(0x6E6530),
                                             hex(0x8C6E40), hex(0xA88E62), hex(0x8A877A)};
    double pos = std::clamp(t, 0.0, 0.9999) * double(ramp.size() - 1);
    size_t i = size_t(pos);
    return mix(ramp[i], ramp[i + 1], pos - double(i));
}

// Colour of a wooden branch; `along` runs 0..19 over one cell, `across`
// 0..5 from the lit side. Each axis has its own seed so that horizontal and
// vertical branches do not look copied.
Rgb wood(int along, int across, uint32_t seed) {
    static constexpr std::array<double, 6> roundness{0.74, 0.98, 1.10, 1.06, 0.92, 0.68};
    // Mottling: broad patches of colour that drift along the branch.
    double patches = 0.6 * tiledNoise(along / 6.67, across / 3.0, 3, seed) +
                     0.4 * tiledNoise(along / 2.5, across / 2.0, 8, seed + 7);
    Rgb c = barkColour(patches * 1.2 - 0.08);
    // Bark: dark fissures that run with the grain and wander across it,
    // with pale ridges between them.
    double grain = tiledNoise(along / 4.0, across * 0.8, 5, seed + 13);
    if (std::abs(grain - 0.5) < 0.07)
        c = shade(c, 0.55);
    else if (grain > 0.72)
        c = mix(c, hex(0xB8A078), 0.3);
    // Lichen and grit: lone specks of grey or olive.
    double speck = hashNoise(along, across, seed + 29);
    if (speck > 0.94)
        c = mix(c, hex(0x9A9A8C), 0.6);
    else if (speck < 0.04)
        c = mix(c, hex(0x4E5A22), 0.6);
    return shade(c, roundness[size_t(across)]);
}

void drawHorizontal(Canvas& cell, Pipe pipe, const Set& set) {
    if (pipe == Pipe::Lit) {
        cell.fillRect(0, kBarFrom, kCell, kBarTo - kBarFrom + 1, set.lit);
        return;
    }
    if (pipe == Pipe::None) return;
    for (int y = kTubeFrom; y <= kTubeTo; ++y)
        for (int x = 0; x < kCell; ++x)
            cell.set(x, y, set.wood ? wood(x, y - kTubeFrom, 0xB0A1u) : steel(x, y - kTubeFrom));
}

void drawVertical(Canvas& cell, Pipe pipe, const Set& set) {
    if (pipe == Pipe::Lit) {
        cell.fillRect(kBarFrom, 0, kBarTo - kBarFrom + 1, kCell, set.lit);
        return;
    }
    if (pipe == Pipe::None) return;
    for (int x = kTubeFrom; x <= kTubeTo; ++x)
        for (int y = 0; y < kCell; ++y)
            cell.set(x, y, set.wood ? wood(y, x - kTubeFrom, 0x7E57u) : steel(y, x - kTubeFrom));
}

// The nine cell pictures of a set.
class CellTable {
public:
    explicit CellTable(const Set& set) {
        for (Pipe h : {Pipe::None, Pipe::Plain, Pipe::Lit})
            for (Pipe v : {Pipe::None, Pipe::Plain, Pipe::Lit}) cells_.push_back(paint(h, v, set));
    }
    const Canvas& at(Pipe h, Pipe v) const { return cells_[size_t(h) * 3 + size_t(v)]; }

private:
    static Canvas paint(Pipe horizontal, Pipe vertical, const Set& set) {
        Canvas cell(kCell, kCell, set.ground);
        drawVertical(cell, vertical, set);
        drawHorizontal(cell, horizontal, set);  // the horizontal pipe lies on top
        return cell;
    }
    std::vector<Canvas> cells_;
};

Canvas assembleBlock(const CellTable& cells, const catalogue::KindPipes& k) {
    auto cell = [&](bool h, bool v) -> const Canvas& {
        return cells.at(h ? Pipe::Plain : Pipe::None, v ? Pipe::Plain : Pipe::None);
    };
    Canvas block(2 * kCell, 2 * kCell);
    block.blit(cell(k.up, k.left), 0, 0);
    block.blit(cell(k.up, k.right), kCell, 0);
    block.blit(cell(k.down, k.left), 0, kCell);
    block.blit(cell(k.down, k.right), kCell, kCell);
    return block;
}

Pipe pipeOf(plat::Integer state) {
    return state == PlainPipe ? Pipe::Plain : state == LitPipe ? Pipe::Lit : Pipe::None;
}

void writeSet(const std::string& dir, const Set& set) {
    const bool branches = set.wood;
    const CellTable cells(set);
    auto path = [&dir](const std::string& name) { return bmpPath(dir, name); };
    for (const catalogue::CellPicture& n : catalogue::kCells)
        writeBmp8(cells.at(pipeOf(n.horizontal), pipeOf(n.vertical)), path(catalogue::cellName(n, branches)));
    for (int kind = 1; kind <= int(catalogue::kKinds.size()); ++kind) {
        // Only the Pipes blocks are stored run-length encoded.
        writeBmp8(assembleBlock(cells, catalogue::kindPipes(kind)), path(catalogue::blockPicture(kind, branches)),
                  branches ? Compression::None : Compression::Rle8);
    }
    const int bar = kBarTo - kBarFrom + 1;
    writeBmp8(Canvas(bar, 2, set.lit), path(catalogue::laserPicture(true, branches)));
    writeBmp8(Canvas(2, bar, set.lit), path(catalogue::laserPicture(false, branches)));
    // The options dialog shows a block with all four pipes as the set's sample.
    writeBmp8(assembleBlock(cells, catalogue::kKinds.back()), path(catalogue::samplePicture(branches)));
}

}  // namespace

void writeBoardPictures(const std::string& dir) {
    writeSet(dir, kPipes);
    writeSet(dir, kBranches);
    for (const char* name : catalogue::kBackgrounds) writeBmp8(paintBackground(name), bmpPath(dir, name));
}

}  // namespace art
