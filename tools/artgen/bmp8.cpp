// 8-bit palette BMP writer: exact palette for small canvases, median-cut
// quantisation for large ones, optional BI_RLE8 compression.
#include "canvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>

namespace art {

namespace {

uint32_t key(Rgb c) { return uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b; }

struct Weighted {
    Rgb colour;
    uint32_t count;
};

int channel(Rgb c, int ch) { return ch == 0 ? c.r : ch == 1 ? c.g : c.b; }

long distance2(Rgb a, Rgb b) {
    // Green counts most, blue least: closer to how the eye weighs errors.
    long dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

// One box of the median cut: a range [begin, end) of the colour list.
struct Box {
    size_t begin, end;
    int widest = 0;  // channel with the largest extent
    int extent = 0;  // that extent
    uint64_t population = 0;
};

void measure(Box& box, const std::vector<Weighted>& colours) {
    std::array<int, 3> lo{255, 255, 255}, hi{0, 0, 0};
    box.population = 0;
    for (size_t i = box.begin; i < box.end; ++i) {
        for (int ch = 0; ch < 3; ++ch) {
            lo[ch] = std::min(lo[ch], channel(colours[i].colour, ch));
            hi[ch] = std::max(hi[ch], channel(colours[i].colour, ch));
        }
        box.population += colours[i].count;
    }
    box.extent = -1;
    for (int ch = 0; ch < 3; ++ch) {
        if (hi[ch] - lo[ch] > box.extent) {
            box.extent = hi[ch] - lo[ch];
            box.widest = ch;
        }
    }
}

Rgb average(const std::vector<Weighted>& colours, size_t begin, size_t end) {
    double r = 0, g = 0, b = 0, n = 0;
    for (size_t i = begin; i < end; ++i) {
        r += colours[i].colour.r * double(colours[i].count);
        g += colours[i].colour.g * double(colours[i].count);
        b += colours[i].colour.b * double(colours[i].count);
        n += colours[i].count;
    }
    return n > 0 ? Rgb{uint8_t(r / n + 0.5), uint8_t(g / n + 0.5), uint8_t(b / n + 0.5)} : Rgb{};
}

std::vector<Rgb> medianCut(std::vector<Weighted> colours, size_t target) {
    std::vector<Box> boxes{Box{0, colours.size()}};
    measure(boxes[0], colours);
    while (boxes.size() < target) {
        // Split the box whose spread, weighted by how many pixels it holds,
        // is largest; a box of one colour cannot be split.
        size_t pick = boxes.size();
        double best = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].end - boxes[i].begin < 2) continue;
            double score = double(boxes[i].extent) * std::sqrt(double(boxes[i].population));
            if (pick == boxes.size() || score > best) {
                best = score;
                pick = i;
            }
        }
        if (pick == boxes.size()) break;
        Box box = boxes[pick];
        auto first = colours.begin() + long(box.begin), last = colours.begin() + long(box.end);
        int ch = box.widest;
        std::sort(first, last, [ch](const Weighted& a, const Weighted& b) {
            int ca = channel(a.colour, ch), cb = channel(b.colour, ch);
            return ca != cb ? ca < cb : key(a.colour) < key(b.colour);
        });
        uint64_t half = box.population / 2, seen = 0;
        size_t cut = box.begin;
        while (cut < box.end - 1 && seen + colours[cut].count <= half) seen += colours[cut++].count;
        cut = std::clamp(cut, box.begin + 1, box.end - 1);
        Box lower{box.begin, cut}, upper{cut, box.end};
        measure(lower, colours);
        measure(upper, colours);
        boxes[pick] = lower;
        boxes.push_back(upper);
    }
    std::vector<Rgb> palette;
    for (const Box& b : boxes) palette.push_back(average(colours, b.begin, b.end));
    return palette;
}

size_t nearest(const std::vector<Rgb>& palette, Rgb c) {
    size_t best = 0;
    long bestD = distance2(palette[0], c);
    for (size_t i = 1; i < palette.size() && bestD > 0; ++i) {
        long d = distance2(palette[i], c);
        if (d < bestD) {
            bestD = d;
            best = i;
        }
    }
    return best;
}

// Moves each palette entry to the mean of the colours mapped to it, a few
// times over, which tightens the median cut's boxes.
void refine(std::vector<Rgb>& palette, const std::vector<Weighted>& colours, int rounds) {
    for (int round = 0; round < rounds; ++round) {
        std::vector<std::array<double, 4>> sums(palette.size(), {0, 0, 0, 0});
        for (const Weighted& w : colours) {
            auto& s = sums[nearest(palette, w.colour)];
            s[0] += w.colour.r * double(w.count);
            s[1] += w.colour.g * double(w.count);
            s[2] += w.colour.b * double(w.count);
            s[3] += w.count;
        }
        for (size_t i = 0; i < palette.size(); ++i)
            if (sums[i][3] > 0)
                palette[i] = Rgb{uint8_t(sums[i][0] / sums[i][3] + 0.5), uint8_t(sums[i][1] / sums[i][3] + 0.5),
                                 uint8_t(sums[i][2] / sums[i][3] + 0.5)};
    }
}

struct Indexed {
    std::vector<Rgb> palette;      // at most 256 entries
    std::vector<uint8_t> indices;  // one per pixel, top row first
};

Indexed index(const Canvas& c) {
    std::map<uint32_t, uint32_t> histogram;
    for (Rgb p : c.pixels()) ++histogram[key(p)];
    std::vector<Weighted> colours;
    for (auto [k, n] : histogram) colours.push_back({hex(k), n});

    Indexed out;
    std::map<uint32_t, uint8_t> lookup;
    if (colours.size() <= 256) {
        for (const Weighted& w : colours) {
            lookup[key(w.colour)] = uint8_t(out.palette.size());
            out.palette.push_back(w.colour);
        }
    } else {
        out.palette = medianCut(colours, 256);
        refine(out.palette, colours, 3);
        for (const Weighted& w : colours) lookup[key(w.colour)] = uint8_t(nearest(out.palette, w.colour));
    }
    out.indices.reserve(c.pixels().size());
    for (Rgb p : c.pixels()) out.indices.push_back(lookup[key(p)]);
    return out;
}

void putRle8Row(std::vector<uint8_t>& out, const uint8_t* row, int width) {
    int i = 0;
    auto runAt = [&](int at) {
        int n = 1;
        while (at + n < width && n < 255 && row[at + n] == row[at]) ++n;
        return n;
    };
    while (i < width) {
        int run = runAt(i);
        if (run >= 2) {
            out.push_back(uint8_t(run));
            out.push_back(row[i]);
            i += run;
            continue;
        }
        // Literal stretch up to the next run of two or more.
        int n = 1;
        while (i + n < width && n < 255 && runAt(i + n) < 2) ++n;
        if (n < 3) {
            for (int k = 0; k < n; ++k) {
                out.push_back(1);
                out.push_back(row[i + k]);
            }
        } else {
            out.push_back(0);
            out.push_back(uint8_t(n));
            out.insert(out.end(), row + i, row + i + n);
            if (n % 2) out.push_back(0);
        }
        i += n;
    }
}

void putLE(std::vector<uint8_t>& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

}  // namespace

void writeBmp8(const Canvas& c, const std::string& path, Compression comp) {
    if (c.width() <= 0 || c.height() <= 0) throw std::runtime_error("empty picture: " + path);
    Indexed img = index(c);
    const int w = c.width(), h = c.height();

    std::vector<uint8_t> bits;
    if (comp == Compression::Rle8) {
        for (int y = h - 1; y >= 0; --y) {
            putRle8Row(bits, &img.indices[size_t(y) * w], w);
            bits.push_back(0);
            bits.push_back(y == 0 ? 1 : 0);  // end of bitmap after the top row, else end of line
        }
    } else {
        const int stride = (w + 3) / 4 * 4;
        bits.assign(size_t(stride) * h, 0);
        for (int y = 0; y < h; ++y) std::copy_n(&img.indices[size_t(y) * w], w, &bits[size_t(h - 1 - y) * stride]);
    }

    const uint32_t offset = 14 + 40 + 256 * 4;
    std::vector<uint8_t> file;
    file.reserve(offset + bits.size());
    file.push_back('B');
    file.push_back('M');
    putLE(file, uint32_t(offset + bits.size()), 4);
    putLE(file, 0, 4);
    putLE(file, offset, 4);
    putLE(file, 40, 4);
    putLE(file, uint32_t(w), 4);
    putLE(file, uint32_t(h), 4);
    putLE(file, 1, 2);
    putLE(file, 8, 2);
    putLE(file, comp == Compression::Rle8 ? 1 : 0, 4);
    putLE(file, uint32_t(bits.size()), 4);
    putLE(file, 2835, 4);  // 72 dpi
    putLE(file, 2835, 4);
    putLE(file, 256, 4);
    putLE(file, 0, 4);
    for (int i = 0; i < 256; ++i) {
        Rgb p = i < int(img.palette.size()) ? img.palette[size_t(i)] : Rgb{};
        file.insert(file.end(), {p.b, p.g, p.r, 0});
    }
    file.insert(file.end(), bits.begin(), bits.end());

    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!f) throw std::runtime_error("cannot open " + path + " for writing");
    if (std::fwrite(file.data(), 1, file.size(), f.get()) != file.size())
        throw std::runtime_error("cannot write " + path);
    if (std::fclose(f.release()) != 0) throw std::runtime_error("cannot finish writing " + path);
}

}  // namespace art
