// What the platform core asks of the outside to show anything: a picture
// read from its file, and a line of text rendered in a font. The core itself
// decodes no file format and knows no font; the program registers the media
// library (platform/media/media_library.h) with useMedia at start-up, before
// the first picture is loaded or the first screen composed.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "control.h"
#include "picture.h"

namespace plat {

// A rendered line of text: how much of each pixel the glyphs cover (0..255).
struct TextMask {
    int width = 0, height = 0;
    std::vector<uint8_t> coverage;
};
using TextMaskRef = std::shared_ptr<const TextMask>;

class Media {
public:
    virtual ~Media() = default;
    // Reads the picture file at `path` (magenta made transparent when
    // keyMagenta is set). Throws PictureMissing when it cannot.
    virtual PictureRef loadPicture(const std::string& path, const std::string& name, bool keyMagenta) = 0;
    // One line of Windows-1252 text; an empty mask when the text is empty or
    // the font cannot be had.
    virtual TextMaskRef renderText(const Font& font, const std::string& text) = 0;
    // The width of the text in pixels, as renderText would draw it.
    virtual int textWidth(const Font& font, const std::string& text) = 0;
    // The height of a line of the font in pixels.
    virtual int lineHeight(const Font& font) = 0;
};

// Registers the media the core uses from now on (nullptr: none). The media
// must outlive every use.
void useMedia(Media* media);
// The registered media; throws std::logic_error when none was registered.
Media& media();

}  // namespace plat
