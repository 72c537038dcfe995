// The painters of the art generator. Each writes its pictures as 8-bit BMP
// files named exactly as the game loads them.
#pragma once

#include "canvas.h"

#include <string>
#include <vector>

namespace art {

// The five level backgrounds (297 x 424), by their names in the catalogue
// (catalogue::kBackgrounds). Throws std::invalid_argument for any other name.
Canvas paintBackground(const std::string& name);
// Names of the level backgrounds, in level order.
const std::vector<std::string>& backgroundNames();

// A picture's name in the catalogue and the painter that draws it.
struct NamedPainter {
    const char* name;
    Canvas (*paint)();
};

// The file a picture of that name is written to in dir.
inline std::string bmpPath(const std::string& dir, const std::string& name) { return dir + "/" + name + ".bmp"; }

// Cell, block and laser pictures of both sets, the two option samples and
// the five level backgrounds.
void writeBoardPictures(const std::string& dir);

// The game window's artwork, menu highlights, pause and game-over pictures,
// splash, cursors and icon.
void writeWindowArt(const std::string& dir);

}  // namespace art
