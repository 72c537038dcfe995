#include "media_library.h"

#include "bmp_file.h"
#include "fonts.h"

namespace plat {

namespace {

class MediaLibrary final : public Media {
public:
    PictureRef loadPicture(const std::string& path, const std::string& name, bool keyMagenta) override {
        return loadBmp(path, name, keyMagenta);
    }
    TextMaskRef renderText(const Font& font, const std::string& text) override { return plat::renderText(font, text); }
    int textWidth(const Font& font, const std::string& text) override { return plat::textWidth(font, text); }
    int lineHeight(const Font& font) override { return plat::lineHeight(font); }
};

}  // namespace

void useMediaLibrary() {
    static MediaLibrary library;
    useMedia(&library);
}

}  // namespace plat
