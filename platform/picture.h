// Pictures: decoded bitmaps shared between controls. A control given
// another control's picture holds the same object, never a copy.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace plat {

struct Picture {
    std::string name;            // file name without folder and extension
    int width = 0, height = 0;   // pixels
    std::vector<uint32_t> argb;  // 0xAARRGGBB, row by row from the top
    uint32_t at(int x, int y) const { return argb[size_t(y) * width + x]; }
};
using PictureRef = std::shared_ptr<const Picture>;

// A pointer shape: its picture (alpha 0 where transparent) and hot spot.
struct Cursor {
    PictureRef picture;
    int hotX = 0, hotY = 0;
};
using CursorRef = std::shared_ptr<const Cursor>;

class PictureMissing : public std::runtime_error {
public:
    PictureMissing(const std::string& path, const std::string& why)
        : std::runtime_error("Cannot load the picture \"" + path + "\": " + why), path_(path) {}
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Reads an 8-, 24- or 32-bit BMP file (also RLE8). Magenta (#FF00FF) becomes
// transparent when keyMagenta is set. Throws PictureMissing on failure.
PictureRef loadBmp(const std::string& path, const std::string& name, bool keyMagenta = false);

// The program's pictures, loaded from one folder by name ("<name>.bmp").
class PictureStore {
public:
    explicit PictureStore(std::string folder) : folder_(std::move(folder)) {}
    const std::string& folder() const { return folder_; }
    // Loads once, then hands out the same picture. Throws PictureMissing.
    PictureRef get(const std::string& name);
    CursorRef cursor(const std::string& name, int hotX, int hotY);

private:
    std::string folder_;
    std::map<std::string, PictureRef> loaded_;
};

}  // namespace plat
