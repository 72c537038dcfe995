// Effects for large lettering and other shapes held as coverage masks:
// outlines, soft shadows, gradient fills and a rounded, lit relief.
#pragma once

#include "canvas.h"

namespace art {

// The mask grown by `pad` empty pixels on every side.
Mask padMask(const Mask& m, int pad);
// Coverage of every pixel within `radius` of the shape (a round pen).
Mask dilateMask(const Mask& m, double radius);
// A box blur of the given radius, applied twice (close to a Gaussian).
Mask blurMask(const Mask& m, int radius);

// Paints the mask in one colour, its upper-left corner at (x, y).
void paintMask(Canvas& c, int x, int y, const Mask& m, Rgb colour, double opacity = 1.0);

// How the relief of a shape is lit.
struct Relief {
    double bulge = 6.0;  // pixels from the rim to the flat top
    double ambient = 0.45;
    double diffuse = 0.75;
    double specular = 0.7;  // strength of the white gloss
    double shininess = 24.0;
};

// Paints the mask as a rounded, bulging body lit from the upper left; the
// colour at each row runs from `top` to `bottom`.
void paintRelief(Canvas& c, int x, int y, const Mask& m, Rgb top, Rgb bottom, const Relief& relief);

// Width of text as rendered (its advance), for centring.
int textWidth(const std::string& text, const TextStyle& style);

// Liberation Sans Bold at the given pixel size.
TextStyle boldSans(int pixelSize);

// The box around the pixels of a mask with more than `threshold` coverage;
// empty (right < left) for a blank mask.
struct InkBox {
    int left = 0, top = 0, right = -1, bottom = -1;
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
};
InkBox inkBox(const Mask& m, uint8_t threshold = 64);

}  // namespace art
