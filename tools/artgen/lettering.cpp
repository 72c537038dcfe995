// Mask effects for lettering: outlines, shadows and lit relief.
#include "lettering.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace art {

Mask padMask(const Mask& m, int pad) {
    Mask out;
    out.width = m.width + 2 * pad;
    out.height = m.height + 2 * pad;
    out.a.assign(size_t(out.width) * out.height, 0);
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x) out.a[size_t(y + pad) * out.width + x + pad] = m.at(x, y);
    return out;
}

Mask dilateMask(const Mask& m, double radius) {
    Mask out = m;
    const int r = int(std::ceil(radius));
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x) {
            double best = 0;
            for (int dy = -r; dy <= r; ++dy)
                for (int dx = -r; dx <= r; ++dx) {
                    const uint8_t a = m.at(x + dx, y + dy);
                    if (!a) continue;
                    // Pen footprint with a soft one-pixel rim.
                    const double d = std::sqrt(double(dx * dx + dy * dy));
                    const double pen = std::clamp(radius + 0.5 - d, 0.0, 1.0);
                    best = std::max(best, pen * a);
                }
            out.a[size_t(y) * m.width + x] = uint8_t(std::lround(best));
        }
    return out;
}

Mask blurMask(const Mask& m, int radius) {
    if (radius <= 0) return m;
    Mask cur = m;
    std::vector<double> tmp(cur.a.size());
    const double n = 2.0 * radius + 1;
    for (int pass = 0; pass < 2; ++pass) {
        for (int y = 0; y < cur.height; ++y)
            for (int x = 0; x < cur.width; ++x) {
                double s = 0;
                for (int k = -radius; k <= radius; ++k) s += cur.at(x + k, y);
                tmp[size_t(y) * cur.width + x] = s / n;
            }
        for (int y = 0; y < cur.height; ++y)
            for (int x = 0; x < cur.width; ++x) {
                double s = 0;
                for (int k = -radius; k <= radius; ++k) {
                    const int yy = y + k;
                    if (yy >= 0 && yy < cur.height) s += tmp[size_t(yy) * cur.width + x];
                }
                cur.a[size_t(y) * cur.width + x] = uint8_t(std::lround(std::min(s / n, 255.0)));
            }
    }
    return cur;
}

void paintMask(Canvas& c, int x, int y, const Mask& m, Rgb colour, double opacity) {
    for (int yy = 0; yy < m.height; ++yy)
        for (int xx = 0; xx < m.width; ++xx) {
            const uint8_t a = m.at(xx, yy);
            if (a) c.blend(x + xx, y + yy, colour, opacity * a / 255.0);
        }
}

void paintRelief(Canvas& c, int x, int y, const Mask& m, Rgb top, Rgb bottom, const Relief& relief) {
    const int w = m.width, h = m.height;
    const double bulge = std::max(relief.bulge, 1.0);
    const int reach = int(std::ceil(bulge)) + 1;

    // Height above the ground: a quarter circle from the rim up to the top.
    std::vector<double> height(size_t(w) * h, 0.0);
    for (int yy = 0; yy < h; ++yy)
        for (int xx = 0; xx < w; ++xx) {
            const uint8_t a = m.at(xx, yy);
            if (!a) continue;
            double d;
            if (a < 128) {
                d = a / 255.0;
            } else {
                double best = reach;
                for (int dy = -reach; dy <= reach; ++dy)
                    for (int dx = -reach; dx <= reach; ++dx)
                        if (m.at(xx + dx, yy + dy) < 128) best = std::min(best, std::sqrt(double(dx * dx + dy * dy)));
                d = best - 0.5;
            }
            const double t = std::clamp(d / bulge, 0.0, 1.0);
            height[size_t(yy) * w + xx] = bulge * std::sqrt(1.0 - (1.0 - t) * (1.0 - t));
        }
    // Smooth away the steps of the pixel distances.
    for (int pass = 0; pass < 2; ++pass) {
        std::vector<double> smooth(height.size());
        for (int yy = 0; yy < h; ++yy)
            for (int xx = 0; xx < w; ++xx) {
                if (!m.at(xx, yy)) continue;
                double s = 0, n = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int sx = xx + dx, sy = yy + dy;
                        if (sx < 0 || sy < 0 || sx >= w || sy >= h) continue;
                        s += height[size_t(sy) * w + sx];
                        n += 1;
                    }
                smooth[size_t(yy) * w + xx] = s / n;
            }
        height.swap(smooth);
    }
    auto hAt = [&](int xx, int yy) {
        xx = std::clamp(xx, 0, w - 1);
        yy = std::clamp(yy, 0, h - 1);
        return height[size_t(yy) * w + xx];
    };

    const double lx = -0.55, ly = -0.65, lz = 0.52;  // towards the light
    const double ln = std::sqrt(lx * lx + ly * ly + lz * lz);
    double hx = lx / ln, hy = ly / ln, hz = lz / ln + 1.0;  // half vector with the viewer
    const double hn = std::sqrt(hx * hx + hy * hy + hz * hz);
    hx /= hn, hy /= hn, hz /= hn;

    for (int yy = 0; yy < h; ++yy) {
        const Rgb base = mix(top, bottom, h > 1 ? double(yy) / (h - 1) : 0.0);
        for (int xx = 0; xx < w; ++xx) {
            const uint8_t a = m.at(xx, yy);
            if (!a) continue;
            double nx = -(hAt(xx + 1, yy) - hAt(xx - 1, yy)) / 2;
            double ny = -(hAt(xx, yy + 1) - hAt(xx, yy - 1)) / 2;
            double nz = 1.0;
            const double nn = std::sqrt(nx * nx + ny * ny + nz * nz);
            nx /= nn, ny /= nn, nz /= nn;
            const double diff = std::max(0.0, (nx * lx + ny * ly + nz * lz) / ln);
            const double sheen = std::pow(std::max(0.0, nx * hx + ny * hy + nz * hz), relief.shininess);
            Rgb col = shade(base, relief.ambient + relief.diffuse * diff);
            col = mix(col, Rgb{255, 255, 255}, std::min(1.0, relief.specular * sheen));
            c.blend(x + xx, y + yy, col, a / 255.0);
        }
    }
}

int textWidth(const std::string& text, const TextStyle& style) { return renderText(text, style).width; }

TextStyle boldSans(int pixelSize) {
    TextStyle s;
    s.family = "Liberation Sans";
    s.bold = true;
    s.pixelSize = pixelSize;
    return s;
}

InkBox inkBox(const Mask& m, uint8_t threshold) {
    InkBox box{m.width, m.height, -1, -1};
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x)
            if (m.at(x, y) > threshold) {
                box.left = std::min(box.left, x), box.top = std::min(box.top, y);
                box.right = std::max(box.right, x), box.bottom = std::max(box.bottom, y);
            }
    if (box.right < 0) box = InkBox{};
    return box;
}

}  // namespace art
