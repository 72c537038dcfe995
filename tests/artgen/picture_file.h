// Reads 8-bit BMP files back the way the game does.
#pragma once

#include "canvas.h"

#include <gtest/gtest.h>

#include "platform/media/bmp_file.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace arttest {

struct Loaded {
    int bitsPerPixel = 0;
    art::Canvas canvas{0, 0};
};

inline std::vector<uint8_t> fileBytes(const std::string& path);
inline uint32_t headerField(const std::vector<uint8_t>& bytes, size_t offset, int size);

// The picture's colours as the game loads them, or nothing when it cannot.
inline std::optional<Loaded> loadBmp(const std::string& path) {
    plat::PictureRef pic;
    try {
        pic = plat::loadBmp(path, "test");
    } catch (const plat::PictureMissing&) {
        return std::nullopt;
    }
    Loaded out;
    out.bitsPerPixel = int(headerField(fileBytes(path), 28, 2));
    out.canvas = art::Canvas(pic->width, pic->height);
    for (int y = 0; y < pic->height; ++y)
        for (int x = 0; x < pic->width; ++x) out.canvas.set(x, y, art::hex(pic->at(x, y) & 0xFFFFFF));
    return out;
}

// Equal sizes and pixels; otherwise says where the first difference lies.
inline ::testing::AssertionResult samePixels(const art::Canvas& got, const art::Canvas& want) {
    if (got.width() != want.width() || got.height() != want.height())
        return ::testing::AssertionFailure()
               << "size " << got.width() << "x" << got.height() << ", want " << want.width() << "x" << want.height();
    for (int y = 0; y < got.height(); ++y)
        for (int x = 0; x < got.width(); ++x) {
            art::Rgb a = got.get(x, y), b = want.get(x, y);
            if (!(a == b))
                return ::testing::AssertionFailure()
                       << "pixel " << x << "," << y << " is " << int(a.r) << "/" << int(a.g) << "/" << int(a.b)
                       << ", want " << int(b.r) << "/" << int(b.g) << "/" << int(b.b);
        }
    return ::testing::AssertionSuccess();
}

inline std::vector<uint8_t> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Little-endian field of a file's header.
inline uint32_t headerField(const std::vector<uint8_t>& bytes, size_t offset, int size) {
    uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = v << 8 | bytes.at(offset + size_t(i));
    return v;
}

// A fresh folder below the system's temporary folder, removed on destruction.
class TempDir {
public:
    explicit TempDir(const std::string& tag)
        : path_(std::filesystem::temp_directory_path() / ("corvane-art-" + tag + "-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string str() const { return path_.string(); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

}  // namespace arttest
