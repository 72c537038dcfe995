// corvane-shotcheck: pixel checks on screenshots of the running game, for
// the smoke test and the start-up benchmark. Reads BMP files (8, 24 or 32
// bits) with the game's own loader.
//
//   corvane-shotcheck match SHOT X Y [X Y]... -- PICTURE...
//       Looks at the places (X, Y) in the order given and prints the first
//       place and PICTURE that lies there pixel for pixel ("X Y PICTURE"),
//       exit 0; exits 1 when none does (and tells the nearest miss).
//   corvane-shotcheck part SHOT X Y PICTURE PX PY W H [SCALE]
//       Like match for the W x H part of PICTURE at (PX, PY), compared with
//       SHOT at (X + PX, Y + PY); with SCALE, the picture shown SCALE times
//       as large: each of its pixels a square of SCALE x SCALE pixels at
//       (X + SCALE x px, Y + SCALE x py).
//   corvane-shotcheck share SHOT X Y W H RRGGBB
//       Prints the percentage of pixels in that rectangle of SHOT that have
//       the colour RRGGBB (hex).
//   corvane-shotcheck black SHOT
//       Exits 0 when every pixel of SHOT is black, 1 otherwise.
//
// Exit status 2 means the arguments or a file could not be used.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "platform/media/bmp_file.h"

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: corvane-shotcheck match SHOT X Y [X Y]... -- PICTURE...\n"
                 "       corvane-shotcheck part SHOT X Y PICTURE PX PY W H [SCALE]\n"
                 "       corvane-shotcheck share SHOT X Y W H RRGGBB\n"
                 "       corvane-shotcheck black SHOT\n");
    return 2;
}

int number(const char* s) {
    char* end = nullptr;
    long v = std::strtol(s, &end, 10);
    if (end == s || *end) throw std::invalid_argument(std::string("not a number: ") + s);
    return int(v);
}

plat::PictureRef load(const std::string& path) { return plat::loadBmp(path, path); }

// Pixels of pic's part (px, py, w, h) that differ from shot at (x + px, y + py),
// or with a scale from the s x s square at (x + s px, y + s py); a part that
// does not lie wholly on the shot differs everywhere.
long differing(const plat::Picture& shot, int x, int y, const plat::Picture& pic, int px, int py, int w, int h,
               int s = 1) {
    if (px < 0 || py < 0 || w <= 0 || h <= 0 || s <= 0 || px + w > pic.width || py + h > pic.height) return long(w) * h;
    if (x + s * px < 0 || y + s * py < 0 || x + s * (px + w) > shot.width || y + s * (py + h) > shot.height)
        return long(w) * h;
    long n = 0;
    for (int j = py; j < py + h; ++j)
        for (int i = px; i < px + w; ++i) {
            bool same = true;
            for (int k = 0; k < s * s; ++k)
                same = same &&
                       (pic.at(i, j) & 0xFFFFFFu) == (shot.at(x + s * i + k % s, y + s * j + k / s) & 0xFFFFFFu);
            if (!same) ++n;
        }
    return n;
}

int match(int argc, char** argv) {
    int dashes = 3;
    while (dashes < argc && std::string(argv[dashes]) != "--") ++dashes;
    int places = dashes - 3;
    if (places == 0 || places % 2 || dashes + 1 >= argc) return usage();
    auto shot = load(argv[2]);
    std::vector<plat::PictureRef> pictures;
    for (int a = dashes + 1; a < argc; ++a) pictures.push_back(load(argv[a]));
    std::string nearest;
    long fewest = -1;
    for (int a = 3; a < dashes; a += 2) {
        int x = number(argv[a]), y = number(argv[a + 1]);
        for (const auto& pic : pictures) {
            long n = differing(*shot, x, y, *pic, 0, 0, pic->width, pic->height);
            if (n == 0) {
                std::printf("%d %d %s\n", x, y, pic->name.c_str());
                return 0;
            }
            if (fewest < 0 || n < fewest) {
                fewest = n;
                nearest = std::to_string(x) + " " + std::to_string(y) + " " + pic->name + ": " + std::to_string(n) +
                          " of " + std::to_string(long(pic->width) * pic->height) + " pixels differ";
            }
        }
    }
    std::fprintf(stderr, "no match; nearest: %s\n", nearest.c_str());
    return 1;
}

int part(int argc, char** argv) {
    if (argc != 10 && argc != 11) return usage();
    auto shot = load(argv[2]);
    auto pic = load(argv[5]);
    int w = number(argv[8]), h = number(argv[9]), scale = argc == 11 ? number(argv[10]) : 1;
    long n = differing(*shot, number(argv[3]), number(argv[4]), *pic, number(argv[6]), number(argv[7]), w, h, scale);
    if (n == 0) return 0;
    std::fprintf(stderr, "%s: %ld of %ld pixels differ\n", argv[5], n, long(w) * h);
    return 1;
}

int share(int argc, char** argv) {
    if (argc != 8) return usage();
    auto shot = load(argv[2]);
    int x = number(argv[3]), y = number(argv[4]), w = number(argv[5]), h = number(argv[6]);
    uint32_t colour = uint32_t(std::strtoul(argv[7], nullptr, 16)) & 0xFFFFFFu;
    if (w <= 0 || h <= 0 || x < 0 || y < 0 || x + w > shot->width || y + h > shot->height) {
        std::fprintf(stderr, "the rectangle does not lie on the screenshot\n");
        return 2;
    }
    long n = 0;
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            if ((shot->at(i, j) & 0xFFFFFFu) == colour) ++n;
    std::printf("%ld\n", n * 100 / (long(w) * h));
    return 0;
}

int black(int argc, char** argv) {
    if (argc != 3) return usage();
    auto shot = load(argv[2]);
    for (uint32_t p : shot->argb)
        if (p & 0xFFFFFFu) return 1;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string mode = argv[1];
    try {
        if (mode == "match") return match(argc, argv);
        if (mode == "part") return part(argc, argv);
        if (mode == "share") return share(argc, argv);
        if (mode == "black") return black(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "corvane-shotcheck: %s\n", e.what());
        return 2;
    }
    return usage();
}
