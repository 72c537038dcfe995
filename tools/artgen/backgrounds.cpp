// The five level backgrounds, painted procedurally: each scene is built
// from a few small painters, one per element, back to front.
#include "pictures.h"

#include "shared/picture_catalogue.h"
#include "tools/catalogue_pairs.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <stdexcept>

namespace art {

namespace {

constexpr int kW = 297, kH = 424;
constexpr double kPi = std::numbers::pi;

double smoothstep(double e0, double e1, double x) {
    double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Calls f(x, y, pixel) for every pixel of the canvas.
template <class F>
void eachPixel(Canvas& c, F f) {
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            Rgb p = c.get(x, y);
            f(x, y, p);
            c.set(x, y, p);
        }
}

// Blends colour into a disc whose opacity falls off smoothly from `alpha`
// at the centre to nothing at radius r.
void softDisc(Canvas& c, double cx, double cy, double r, Rgb colour, double alpha) {
    for (int y = int(cy - r) - 1; y <= int(cy + r) + 1; ++y)
        for (int x = int(cx - r) - 1; x <= int(cx + r) + 1; ++x) {
            double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) / r;
            if (d < 1) c.blend(x, y, colour, alpha * (1 - smoothstep(0.0, 1.0, d)));
        }
}

// A disc with a one-pixel antialiased rim.
void hardDisc(Canvas& c, double cx, double cy, double r, Rgb colour, double alpha = 1.0) {
    for (int y = int(cy - r) - 1; y <= int(cy + r) + 1; ++y)
        for (int x = int(cx - r) - 1; x <= int(cx + r) + 1; ++x) {
            double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            c.blend(x, y, colour, alpha * std::clamp(r - d + 0.5, 0.0, 1.0));
        }
}

void verticalGradient(Canvas& c, int y0, int y1, Rgb top, Rgb bottom) {
    for (int y = y0; y < y1; ++y) c.fillRect(0, y, c.width(), 1, mix(top, bottom, double(y - y0) / (y1 - y0)));
}

// Cumulus clouds over the rows y0..y1: bright tops, greyer undersides.
void clouds(Canvas& c, int y0, int y1, double coverage, uint32_t seed, Rgb light, Rgb shadow) {
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < c.width(); ++x) {
            double n = fbm(x / 70.0, y / 28.0, 5, seed);
            double fade = smoothstep(y0, y0 + 20, y) * (1 - smoothstep(y1 - 30, y1, y));
            double a = smoothstep(1 - coverage, 1 - coverage + 0.18, n) * fade;
            if (a <= 0) continue;
            double below = fbm(x / 70.0, (y - 6) / 28.0, 5, seed);  // thinner above: lit from the top
            Rgb col = mix(light, shadow, std::clamp((n - below) * 6 + 0.35, 0.0, 1.0));
            c.blend(x, y, col, a);
        }
}

// Flat ground seen at a low angle: streaks widen toward the viewer.
void plain(Canvas& c, int horizon, Rgb far, Rgb near, uint32_t seed) {
    for (int y = horizon; y < c.height(); ++y) {
        double depth = double(y - horizon + 4) / (c.height() - horizon + 4);
        for (int x = 0; x < c.width(); ++x) {
            double n = fbm(x / (40.0 * depth + 6), (y - horizon) / (4.0 * depth + 1), 4, seed);
            double grit = hashNoise(x, y, seed + 3) - 0.5;
            Rgb col = mix(far, near, depth);
            c.set(x, y, shade(col, 0.7 + 0.6 * n + 0.12 * grit));
        }
    }
}

// ---- geysir0: the dome of water before the eruption ----------------------

constexpr int kGeyserHorizon = 262;

void distantHills(Canvas& c, int horizon, Rgb colour, uint32_t seed) {
    for (int x = 0; x < c.width(); ++x) {
        double h = 6 + 22 * fbm(x / 60.0, 0.5, 3, seed);
        for (int y = int(horizon - h); y < horizon; ++y)
            c.blend(x, y, shade(colour, 0.9 + 0.2 * fbm(x / 9.0, y / 5.0, 2, seed + 1)), 0.9);
    }
}

void pool(Canvas& c, double cx, double cy, double rx, double ry) {
    // Pale sinter rim, then the dark blue water, brighter toward the middle.
    c.fillEllipse(cx, cy, rx + 14, ry + 5, hex(0xB8AE9A));
    c.fillEllipse(cx, cy, rx, ry, hex(0x1C5C8C));
    for (int y = int(cy - ry); y <= int(cy + ry); ++y)
        for (int x = int(cx - rx); x <= int(cx + rx); ++x) {
            double d = std::hypot((x - cx) / rx, (y - cy) / ry);
            if (d < 0.97) c.blend(x, y, hex(0x6FC6E8), 0.55 * (1 - d) + 0.15 * fbm(x / 6.0, y / 2.0, 2, 77));
        }
}

void waterDome(Canvas& c, double cx, double base, double rx, double ry) {
    for (int y = int(base - ry) - 1; y <= int(base); ++y)
        for (int x = int(cx - rx) - 1; x <= int(cx + rx) + 1; ++x) {
            double nx = (x + 0.5 - cx) / rx, ny = (y + 0.5 - base) / ry;
            double d2 = nx * nx + ny * ny;
            if (d2 > 1.0) continue;
            double nz = std::sqrt(1 - d2);
            // Light from the upper left, a glassy rim and a sharp highlight.
            double lambert = std::clamp(-0.45 * nx - 0.55 * ny + 0.7 * nz, 0.0, 1.0);
            double rim = std::pow(1 - nz, 3);
            Rgb col = mix(hex(0x1F78B4), hex(0xDDF6FF), lambert);
            col = mix(col, hex(0x2FA0C8), rim * 0.5);  // turquoise where the water is thin
            double ripple = fbm(x / 7.0, y / 3.0, 3, 91);
            col = shade(col, 0.9 + 0.2 * ripple);
            double sheen = std::pow(std::clamp(-0.5 * nx - 0.6 * ny + 0.62 * nz, 0.0, 1.0), 30);
            col = mix(col, hex(0xFFFFFF), sheen);
            double foot = smoothstep(base, base - 5, y + 0.5);  // the dome rises out of the pool
            c.blend(x, y, col, std::clamp((1 - std::sqrt(d2)) * rx, 0.0, 1.0) * (0.4 + 0.6 * foot));
        }
}

// Bright rings of water running outward from the dome over the pool.
void ripples(Canvas& c, double cx, double cy, double rx, double ry, double from) {
    for (int y = int(cy - ry); y <= int(cy + ry); ++y)
        for (int x = int(cx - rx); x <= int(cx + rx); ++x) {
            double d = std::hypot((x - cx) / rx, (y - cy) / ry);
            if (d < from || d > 0.95) continue;
            double wave = std::pow(0.5 + 0.5 * std::cos((d - from) * 24), 3);
            c.blend(x, y, hex(0xCFF0FF), 0.4 * wave * (1 - smoothstep(from, 0.95, d)));
        }
}

void steamWisps(Canvas& c, double cx, double y0, double y1, double width, double strength) {
    for (int y = int(y0); y < int(y1); ++y)
        for (int x = int(cx - width); x <= int(cx + width); ++x) {
            double t = (y - y0) / (y1 - y0);
            double spread = width * (0.35 + 0.65 * (1 - t));
            double d = std::abs(x - cx - 10 * (1 - t)) / spread;
            double n = fbm(x / 18.0, y / 14.0, 4, 55);
            double a = strength * (1 - smoothstep(0.2, 1.0, d)) * smoothstep(0.35, 0.7, n) * t;
            c.blend(x, y, hex(0xF4F6F8), a);
        }
}

Canvas geysir0() {
    Canvas c(kW, kH);
    verticalGradient(c, 0, kGeyserHorizon, hex(0x0B2C82), hex(0x5C8ED6));
    clouds(c, 10, 190, 0.42, 11, hex(0xFFFFFF), hex(0x9AA8C0));
    distantHills(c, kGeyserHorizon, hex(0x4A5A6C), 5);
    plain(c, kGeyserHorizon, hex(0x7C6A52), hex(0x5A4228), 21);
    pool(c, 148, 330, 96, 22);
    ripples(c, 148, 330, 96, 22, 0.62);
    steamWisps(c, 150, 200, 300, 60, 0.35);
    waterDome(c, 148, 334, 64, 52);
    return c;
}

// ---- geysir1: the eruption ----------------------------------------------

void waterColumn(Canvas& c, double cx, double base, double top) {
    for (int y = 0; y <= int(base); ++y) {
        double t = (base - y) / (base - top);  // 0 at the vent, 1 at the top
        double half = 9 + 34 * t * t + 6 * t;
        double sway = 6 * std::sin(t * 3.1) * t;
        for (int x = int(cx - half * 1.8); x <= int(cx + half * 1.8); ++x) {
            double d = std::abs(x + 0.5 - cx - sway) / half;
            double streak = fbm(x / 3.0, y / 40.0, 3, 101);
            double puff = fbm(x / 16.0, y / 16.0, 4, 103);
            double edge = d - 0.35 * (puff - 0.5) - 0.2 * t * puff;
            double a = 1 - smoothstep(0.65, 1.05, edge);
            a *= 1 - smoothstep(0.9, 1.15, t + 0.3 * (puff - 0.5));
            if (a <= 0) continue;
            // Shaded from the left, with streaks of falling water in the core.
            double lit = std::clamp(0.85 - 0.25 * (x - cx) / half + 0.25 * (streak - 0.5), 0.0, 1.0);
            Rgb col = mix(hex(0x9FB4C8), hex(0xFFFFFF), lit);
            c.blend(x, y, col, a);
        }
    }
}

void steamCloud(Canvas& c, double cx, double cy, double rx, double ry, uint32_t seed) {
    for (int y = int(cy - ry * 1.4); y <= int(cy + ry * 1.4); ++y)
        for (int x = int(cx - rx * 1.4); x <= int(cx + rx * 1.4); ++x) {
            double d = std::hypot((x - cx) / rx, (y - cy) / ry);
            double n = fbm(x / 22.0, y / 22.0, 5, seed);
            double a = 1 - smoothstep(0.55, 1.0, d + 0.5 * (0.5 - n));
            if (a <= 0) continue;
            double light = std::clamp(0.75 - 0.35 * (y - cy) / ry - 0.2 * (x - cx) / rx + 0.3 * (n - 0.5), 0.0, 1.0);
            c.blend(x, y, mix(hex(0xA6B0BE), hex(0xFCFCFC), light), a * 0.92);
        }
}

void splashCurtain(Canvas& c, double cx, double base, double width) {
    for (int i = 0; i < 380; ++i) {
        double u = hashNoise(i, 1, 301) * 2 - 1;
        double h = hashNoise(i, 2, 301);
        double x = cx + u * width;
        double y = base - 4 - h * 30 * (1 - std::abs(u));
        softDisc(c, x, y, 2.0 + 2.5 * hashNoise(i, 3, 301), hex(0xF4F8FC), 0.6);
    }
}

Canvas geysir1() {
    Canvas c(kW, kH);
    verticalGradient(c, 0, kGeyserHorizon + 30, hex(0x1D4FA8), hex(0x8DB6E4));
    clouds(c, 170, 280, 0.35, 17, hex(0xFFFFFF), hex(0xB0BCCC));
    distantHills(c, kGeyserHorizon + 30, hex(0x56606A), 8);
    plain(c, kGeyserHorizon + 30, hex(0x806C50), hex(0x4E3A24), 23);
    pool(c, 150, 360, 90, 18);
    steamCloud(c, 170, 70, 90, 62, 111);
    steamCloud(c, 118, 120, 70, 50, 113);
    waterColumn(c, 150, 358, 60);
    steamCloud(c, 190, 250, 55, 60, 117);
    splashCurtain(c, 150, 362, 70);
    return c;
}

// ---- eldfell: the church before the eruption at night --------------------

constexpr int kEldHorizon = 300;

void nightGlowSky(Canvas& c) {
    eachPixel(c, [](int x, int y, Rgb& p) {
        double t = double(y) / kEldHorizon;
        Rgb sky = mix(hex(0x08030E), hex(0x3A0C10), smoothstep(0.0, 0.6, t));
        sky = mix(sky, hex(0xC0401A), smoothstep(0.45, 1.0, t));
        // Strongest behind the fissure, right of the church.
        double glow = std::exp(-std::pow((x - 200) / 120.0, 2) - std::pow((y - kEldHorizon + 40) / 110.0, 2));
        p = mix(sky, hex(0xFF8A2A), 0.8 * glow);
    });
}

void smokeClouds(Canvas& c) {
    for (int y = 20; y < kEldHorizon - 30; ++y)
        for (int x = 0; x < c.width(); ++x) {
            double n = fbm(x / 60.0, y / 35.0, 5, 211);
            double a = smoothstep(0.45, 0.7, n) * 0.85 * smoothstep(20, 60, y) *
                       (1 - smoothstep(kEldHorizon - 90, kEldHorizon - 30, y));
            if (a <= 0) continue;
            // Undersides lit by the lava, upper parts in the dark.
            double under = smoothstep(40, kEldHorizon - 40, y);
            Rgb col = mix(hex(0x1A0C0C), hex(0xB4441C), under * (0.4 + 0.6 * n));
            c.blend(x, y, col, a);
        }
}

void volcano(Canvas& c) {
    for (int x = 0; x < c.width(); ++x) {
        double u = (x - 215) / 150.0;
        double ridge = kEldHorizon - 70 * std::exp(-u * u * 2.2) - 6 * fbm(x / 14.0, 3, 3, 221);
        for (int y = int(ridge); y < kEldHorizon + 20; ++y) {
            double hot = std::exp(-std::pow((x - 215) / 40.0, 2)) * (1 - smoothstep(ridge, ridge + 30, y));
            Rgb col = mix(hex(0x120808), hex(0xD04A10), 0.8 * hot);
            c.blend(x, y, col, std::clamp(y - ridge + 0.5, 0.0, 1.0));
        }
    }
}

// Lava thrown up from vents along the ridge: every drop is a streak along
// its arc, white-yellow near the vent and cooling to red as it flies.
void lavaFountains(Canvas& c) {
    struct Vent {
        double x, height, spread;
    };
    const Vent vents[] = {{190, 150, 0.35}, {222, 190, 0.3}, {250, 120, 0.4}, {165, 80, 0.5}};
    uint32_t seed = 231;
    for (const Vent& v : vents) {
        const double ventY = kEldHorizon - 66 + std::abs(v.x - 215) * 0.35;
        softDisc(c, v.x, ventY - v.height * 0.4, v.height * 0.7, hex(0xFF7A20), 0.25);
        for (int i = 0; i < 70; ++i, ++seed) {
            double angle = (hashNoise(i, 1, seed) - 0.5) * 2 * v.spread;
            double power = v.height * (0.55 + 0.45 * hashNoise(i, 2, seed));
            double vy = std::sqrt(2 * power), vx = vy * std::tan(angle);
            double end = 2 * vy * (0.6 + 0.4 * hashNoise(i, 3, seed));  // time to land, shortened
            for (double t = 0; t < end; t += 0.25) {
                double x = v.x + vx * t, y = ventY - (vy * t - 0.5 * t * t);
                double age = t / end;
                Rgb col = mix(hex(0xFFF6C0), hex(0xFF4010), std::pow(age, 0.7));
                c.blend(int(x), int(y), col, 0.55 * (1 - 0.6 * age));
            }
        }
    }
}

void darkField(Canvas& c) {
    for (int y = kEldHorizon; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            double n = fbm(x / 30.0, y / 8.0, 4, 241);
            double glow = (1 - smoothstep(kEldHorizon, kEldHorizon + 60, y)) * 0.35;
            Rgb col = mix(hex(0x0E0A0C), hex(0x3A1A12), n * 0.7 + glow);
            c.set(x, y, col);
        }
}

// A white wall lit warmly from the eruption on its right side.
Rgb churchWhite(int x, int y, double litFrom, double litTo) {
    double lit = smoothstep(litFrom, litTo, x);
    Rgb col = mix(hex(0xB8B0B4), hex(0xFFE4C8), lit);
    return shade(col, 0.95 + 0.08 * hashNoise(x / 2, y / 3, 251));
}

constexpr int kChurchGround = 372;
constexpr int kTowerL = 78, kTowerR = 124, kTowerTop = 236;
constexpr double kDoorX = 101, kDoorTop = 332, kDoorHalf = 9;

// The nave: a long white wall under a dark roof, right of the tower, with
// three lit windows.
void churchNave(Canvas& c) {
    const int naveL = 118, naveR = 248, eaves = 300;
    for (int y = eaves; y < kChurchGround; ++y)
        for (int x = naveL; x < naveR; ++x) c.set(x, y, churchWhite(x, y, naveL, naveR + 40));
    for (int y = 262; y < eaves + 4; ++y) {
        double inset = (eaves + 4 - y) * 0.55;
        for (int x = int(naveL + inset - 4); x < int(naveR - inset * 0.2 + 6); ++x)
            c.set(x, y, shade(hex(0x2A2426), 0.8 + 0.4 * hashNoise(x, y / 2, 253)));
    }
    for (int i = 0; i < 3; ++i) {
        int wx = 150 + i * 34;
        c.fillRect(wx, 318, 10, 22, hex(0x2C2024));
        c.fillRect(wx + 1, 319, 8, 20, hex(0xE6A24A));
        c.fillRect(wx + 4, 319, 1, 20, hex(0x6A4020));
    }
}

// The white tower with its belfry and its dark pointed spire and cross.
void churchTower(Canvas& c) {
    for (int y = kTowerTop; y < kChurchGround; ++y)
        for (int x = kTowerL; x < kTowerR; ++x) c.set(x, y, churchWhite(x, y, kTowerL - 10, kTowerR + 20));
    c.fillRect(kTowerL - 3, kTowerTop - 4, kTowerR - kTowerL + 6, 5, hex(0xE8E2DC));
    const double apex = 96, spireBase = kTowerTop - 4, mid = (kTowerL + kTowerR) / 2.0;
    for (int y = int(apex); y < int(spireBase); ++y) {
        double half = (y - apex) / (spireBase - apex) * ((kTowerR - kTowerL) / 2.0 + 5);
        for (int x = int(mid - half); x <= int(mid + half); ++x) {
            double side = x < mid ? 0.75 : 1.15;  // the right face catches the glow
            c.set(x, y, shade(hex(0x2A2024), side * (0.9 + 0.2 * hashNoise(x, y, 257))));
        }
    }
    c.fillRect(int(mid), int(apex) - 14, 1, 14, hex(0x908070));
    c.fillRect(int(mid) - 4, int(apex) - 9, 9, 1, hex(0x908070));
    c.fillRect(92, 252, 18, 16, hex(0x1E181A));
    for (int y = 254; y < 268; y += 3) c.fillRect(93, y, 16, 1, hex(0x5A4A48));
}

// The lit doorway with its round arch, and its light spilling outside.
void litDoorway(Canvas& c) {
    for (int y = int(kDoorTop - kDoorHalf); y < kChurchGround; ++y)
        for (int x = int(kDoorX - kDoorHalf); x <= int(kDoorX + kDoorHalf); ++x) {
            bool inArch = y >= kDoorTop || std::hypot(x + 0.5 - kDoorX, y + 0.5 - kDoorTop) < kDoorHalf;
            if (!inArch) continue;
            double warm = 1 - 0.3 * double(kChurchGround - y) / (kChurchGround - kDoorTop + kDoorHalf);
            c.set(x, y, mix(hex(0xFFC45A), hex(0xFFF0B0), warm * 0.6));
        }
    for (int y = kChurchGround; y < kChurchGround + 40; ++y)
        for (int x = int(kDoorX - 40); x <= int(kDoorX + 40); ++x) {
            double below = y - kChurchGround;
            double a = (1 - smoothstep(0, 40, below)) * (1 - smoothstep(0, 30 + below, std::abs(x - kDoorX)));
            c.blend(x, y, hex(0xE0A040), a * 0.55);
        }
}

// The low stone wall of the churchyard, open at the door.
void churchyardWall(Canvas& c) {
    for (int y = kChurchGround; y < kChurchGround + 12; ++y)
        for (int x = 0; x < c.width(); ++x)
            if (std::abs(x - kDoorX) > 14) c.set(x, y, shade(hex(0x4A3C38), 0.6 + 0.5 * fbm(x / 5.0, y / 3.0, 2, 259)));
}

Canvas eldfell() {
    Canvas c(kW, kH);
    nightGlowSky(c);
    smokeClouds(c);
    lavaFountains(c);
    volcano(c);
    darkField(c);
    churchNave(c);
    churchTower(c);
    litDoorway(c);
    churchyardWall(c);
    return c;
}

// ---- sheep: two rams, heads together ------------------------------------

void darkBackdrop(Canvas& c) {
    eachPixel(c, [](int x, int y, Rgb& p) {
        double n = fbm(x / 40.0, y / 40.0, 4, 301);
        double v = std::hypot(x - 148.0, y - 200.0) / 300.0;
        p = shade(mix(hex(0x2A2418), hex(0x0C0A06), v), 0.75 + 0.5 * n);
        if (y > 360) p = mix(p, shade(hex(0x2C2A14), 0.6 + 0.7 * hashNoise(x, y / 2, 303)), 0.5);
    });
}

// A shaggy fleece filling an ellipse: long wavy locks hanging downward.
void fleece(Canvas& c, double cx, double cy, double rx, double ry, uint32_t seed) {
    for (int y = int(cy - ry) - 4; y <= int(cy + ry) + 8; ++y)
        for (int x = int(cx - rx) - 6; x <= int(cx + rx) + 6; ++x) {
            double lock = fbm(x / 3.0 + 2 * std::sin(y / 9.0), y / 22.0, 4, seed);
            double d = std::hypot((x - cx) / rx, (y - cy) / ry) - 0.12 * (lock - 0.5) -
                       0.1 * std::max(0.0, (y - cy) / ry) * hashNoise(x / 3, 0, seed + 1);
            double a = 1 - smoothstep(0.92, 1.0, d);
            if (a <= 0) continue;
            double light = std::clamp(0.95 - 0.45 * d * d - 0.25 * (y - cy) / ry, 0.0, 1.0);
            Rgb col = mix(hex(0x8A7E66), hex(0xF6F2E8), light);
            col = shade(col, 0.72 + 0.4 * lock);  // grooves between the locks
            c.blend(x, y, col, a);
        }
}

// A ram's horn: a ridged band wound in a spiral around (cx, cy), thick at
// the skull and thinning toward its tip.
void horn(Canvas& c, double cx, double cy, double size, int dir, double start) {
    const double turn = 1.7 * kPi;
    for (double a = 0; a < turn; a += 0.008) {
        double r = size * (1 - a / (2.2 * kPi));
        double ang = start + dir * a;
        double x = cx + r * std::cos(ang), y = cy + r * std::sin(ang);
        double width = 2.2 + 6.5 * (1 - a / turn);
        double ridge = 0.5 + 0.5 * std::sin(a * 26);
        Rgb col = mix(hex(0x5E4A30), hex(0xDCCCA2), 0.3 + 0.55 * ridge);
        hardDisc(c, x, y, width, shade(col, 0.8 + 0.25 * std::max(0.0, -std::sin(ang))));
    }
}

// Half the width of a ram's face at t (0 brow .. 1 chin): broad over the
// eyes, narrowing to a rounded muzzle.
double faceHalfWidth(double t) {
    if (t < 0.15) return 18 * std::sqrt(std::max(0.0, t / 0.15));
    if (t < 0.85) return 18 - 8 * smoothstep(0.15, 0.85, t);
    return 10 * std::sqrt(std::max(0.0, 1 - std::pow((t - 0.85) / 0.15, 2)));
}

// A ram facing the viewer; lean > 0 tips the top of the head to the right.
void ramHead(Canvas& c, double cx, double cy, double lean) {
    const double top = cy - 26, length = 66;
    auto midAt = [&](double y) { return cx - lean * 0.25 * (y - cy); };
    // Ears stick out sideways under the horns.
    for (int s : {-1, 1}) {
        for (int i = 0; i < 14; ++i) {
            double ex = midAt(cy - 2) + s * (14 + i), ey = cy - 2 + i * 0.35;
            hardDisc(c, ex, ey, 4.2 - i * 0.18, i < 12 ? hex(0xD2C6B0) : hex(0x9A8A78));
        }
    }
    horn(c, midAt(cy - 10) - 20, cy - 6, 19, -1, -0.5 - lean * 0.4);
    horn(c, midAt(cy - 10) + 20, cy - 6, 19, 1, kPi + 0.5 - lean * 0.4);
    for (int y = int(top); y <= int(top + length); ++y) {
        double t = (y - top) / length;
        double half = faceHalfWidth(t), mid = midAt(y);
        for (int x = int(mid - half) - 1; x <= int(mid + half) + 1; ++x) {
            double d = std::abs(x + 0.5 - mid) / std::max(half, 0.5);
            double a = std::clamp((1 - d) * half, 0.0, 1.0);
            if (a <= 0) continue;
            double light = 1 - 0.4 * d * d - 0.12 * (x - mid) / std::max(half, 0.5);
            Rgb col = mix(hex(0xB4A68E), hex(0xF4EEE2), light);
            col = mix(col, hex(0xC8A8A0), 0.5 * smoothstep(0.78, 0.92, t));  // pinkish muzzle
            c.blend(x, y, shade(col, 0.96 + 0.07 * hashNoise(x, y, 311)), a);
        }
    }
    // Forelock of fleece over the brow.
    fleece(c, midAt(top + 4), top + 2, 21, 12, 313 + uint32_t(lean > 0));
    // Amber eyes with the sheep's bar-shaped pupil, looking out.
    for (int s : {-1, 1}) {
        double ey = top + length * 0.32, ex = midAt(ey) + s * 11;
        c.fillEllipse(ex, ey, 4.2, 3.2, hex(0x2A2016));
        c.fillEllipse(ex, ey, 3.2, 2.3, hex(0xB88A30));
        c.fillRect(int(ex) - 2, int(ey), 5, 1, hex(0x0A0806));
        c.set(int(ex) - 1, int(ey) - 1, hex(0xFFF4D8));
    }
    // Nostrils and the line of the mouth.
    const double ny = top + length * 0.86, nx = midAt(ny);
    c.fillEllipse(nx - 4, ny, 2.2, 1.5, hex(0x4A3432));
    c.fillEllipse(nx + 4, ny, 2.2, 1.5, hex(0x4A3432));
    c.fillRect(int(nx), int(ny) + 2, 1, 3, hex(0x7A6058));
    c.fillRect(int(nx) - 3, int(ny) + 5, 7, 1, hex(0x7A6058));
}

Canvas sheep() {
    Canvas c(kW, kH);
    darkBackdrop(c);
    fleece(c, 62, 290, 86, 140, 321);
    fleece(c, 236, 290, 86, 140, 323);
    fleece(c, 96, 196, 46, 44, 325);  // necks
    fleece(c, 202, 196, 46, 44, 327);
    ramHead(c, 127, 164, 0.6);
    ramHead(c, 171, 164, -0.6);
    return c;
}

// ---- waterf: the waterfall ----------------------------------------------

constexpr int kCliffTop = 150;
constexpr double kFallL = 118, kFallR = 196;

void slopes(Canvas& c) {
    // Far hills in a bluish green, then the grassy hillsides that fall
    // toward the gorge from both sides.
    for (int x = 0; x < c.width(); ++x) {
        double farTop = 96 + 14 * fbm(x / 40.0, 0.2, 3, 405);
        for (int y = int(farTop); y < kCliffTop + 20; ++y)
            c.blend(x, y, mix(hex(0x6E9A78), hex(0x4E7E5A), fbm(x / 20.0, y / 8.0, 3, 407)),
                    std::clamp(y - farTop + 0.5, 0.0, 1.0));
    }
    for (int x = 0; x < c.width(); ++x) {
        double u = std::abs(x - 157.0) / 150.0;
        double top = kCliffTop - 8 - 90 * std::pow(u, 0.9) - 8 * fbm(x / 25.0, 0, 3, 401);
        for (int y = int(top); y < kCliffTop + 30; ++y) {
            double n = fbm(x / 12.0, y / 5.0, 4, 403);
            double depth = smoothstep(top, top + 60, y);
            Rgb col = mix(hex(0x8EC255), hex(0x3C7A28), 0.7 * depth + 0.6 * (n - 0.5));
            col = shade(col, 0.9 + 0.2 * hashNoise(x, y, 409));  // blades of grass
            c.blend(x, y, col, std::clamp(y - top + 0.5, 0.0, 1.0));
        }
    }
}

void cliff(Canvas& c) {
    for (int y = kCliffTop; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            double edge = kCliffTop + 14 * fbm(x / 16.0, 1.5, 3, 411);
            if (y < edge) continue;
            // Columnar rock: vertical joints and horizontal ledges.
            double joints = fbm(x / 4.0, y / 40.0, 3, 413);
            double ledges = fbm(x / 30.0, y / 6.0, 3, 415);
            double v = 0.5 * joints + 0.5 * ledges;
            Rgb col = mix(hex(0x121416), hex(0x56524A), v);
            double wet = std::exp(-std::pow((x - 157.0) / 70.0, 2));
            col = shade(col, 1.0 - 0.45 * wet);
            double moss = fbm(x / 10.0, y / 7.0, 3, 417);
            col = mix(col, hex(0x2E4A22), 0.6 * smoothstep(0.62, 0.75, moss));
            if (ledges > 0.62) col = mix(col, hex(0x6A665C), (ledges - 0.62) * 1.5);  // lit ledge tops
            if (y - edge < 10) col = mix(hex(0x3E6A28), col, (y - edge) / 10.0);      // turf on the rim
            c.set(x, y, col);
        }
}

void fallingWater(Canvas& c) {
    for (int y = kCliffTop - 4; y < 360; ++y) {
        double spread = (y - kCliffTop) * 0.12;
        for (int x = int(kFallL - spread) - 3; x <= int(kFallR + spread) + 3; ++x) {
            double l = kFallL - spread + 4 * std::sin(y / 31.0), r = kFallR + spread + 3 * std::sin(y / 23.0 + 1);
            double a = std::min(smoothstep(l - 2, l + 3, x), 1 - smoothstep(r - 3, r + 2, x));
            a *= 1 - smoothstep(320, 360, y);  // lost in the spray
            if (a <= 0) continue;
            double streak = fbm(x / 2.2, y / 55.0 - 0.0, 4, 421);
            double foam = fbm(x / 8.0, y / 8.0, 3, 423);
            Rgb col = mix(hex(0x7A94A8), hex(0xFFFFFF), smoothstep(0.3, 0.75, streak * 0.7 + foam * 0.45));
            if (y < kCliffTop + 6) col = mix(hex(0x6EA0C0), col, (y - kCliffTop + 4) / 10.0);  // the lip
            c.blend(x, y, col, a);
        }
    }
}

void spray(Canvas& c) {
    for (int y = 250; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            double n = fbm(x / 26.0, y / 20.0, 5, 431);
            double d = std::hypot((x - 157) / 160.0, (y - 380) / 110.0);
            double a = (1 - smoothstep(0.3, 1.1, d + 0.6 * (0.5 - n)));
            if (a <= 0) continue;
            c.blend(x, y, mix(hex(0xC8D4DC), hex(0xFFFFFF), n), std::min(a * 1.1, 0.96));
        }
}

void rainbow(Canvas& c) {
    static constexpr std::array<Rgb, 6> bands{hex(0xFF2020), hex(0xFF9A20), hex(0xFFF040),
                                              hex(0x40D040), hex(0x3070FF), hex(0x8040C0)};
    const double cx = 190, cy = 470, outer = 170, width = 4.5;
    for (int y = 300; y < c.height(); ++y)
        for (int x = 0; x < 160; ++x) {
            double r = outer - std::hypot(x - cx, y - cy);
            if (r < 0 || r >= width * bands.size()) continue;
            double band = r / width;
            size_t i = std::min(size_t(band), bands.size() - 2);
            Rgb col = mix(bands[i], bands[i + 1], band - double(i));
            double fade = smoothstep(300, 350, y) * (1 - smoothstep(120, 160, x));
            c.blend(x, y, col, 0.2 * fade);
        }
}

Canvas waterf() {
    Canvas c(kW, kH);
    verticalGradient(c, 0, kCliffTop + 30, hex(0x3A78D0), hex(0xA8CCEE));
    clouds(c, 0, 90, 0.3, 441, hex(0xFFFFFF), hex(0xC0CCDA));
    slopes(c);
    cliff(c);
    fallingWater(c);
    spray(c);
    rainbow(c);
    return c;
}

}  // namespace

const std::vector<std::string>& backgroundNames() {
    static const std::vector<std::string> names(catalogue::kBackgrounds.begin(), catalogue::kBackgrounds.end());
    return names;
}

Canvas paintBackground(const std::string& name) {
    // The painter of each of catalogue::kBackgrounds, by name.
    static constexpr auto painters = std::to_array<NamedPainter>({
        {"geysir0", geysir0},
        {"geysir1", geysir1},
        {"eldfell", eldfell},
        {"sheep", sheep},
        {"waterf", waterf},
    });
    static_assert(catalogue_pairs::pairsEachOnce(painters, catalogue::kBackgrounds, std::identity()));
    for (const NamedPainter& painter : painters)
        if (name == painter.name) return painter.paint();
    throw std::invalid_argument("no background named " + name);
}

}  // namespace art
