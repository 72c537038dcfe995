// Pictures: decoded bitmaps shared between controls. A control given
// another control's picture holds the same object, never a copy. An 8-bit
// picture keeps its palette indices, a byte a pixel, and is turned into
// screen colours as it is drawn; others keep 32-bit pixels.
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
    std::vector<uint32_t> argb;  // 0xAARRGGBB, row by row from the top; empty when indexed
    // An indexed picture: a palette index a pixel, row by row from the top,
    // and 256 colours 0xAARRGGBB (alpha 0 where transparent).
    std::vector<uint8_t> indices;
    std::vector<uint32_t> palette;

    bool indexed() const { return !palette.empty(); }
    uint32_t at(int x, int y) const {
        size_t i = size_t(y) * width + x;
        return indexed() ? palette[indices[i]] : argb[i];
    }
    // Every pixel as 0xAARRGGBB, row by row from the top.
    std::vector<uint32_t> pixels() const;
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

// The program's pictures, loaded from one folder by name ("<name>.bmp")
// through the registered media (media.h).
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
