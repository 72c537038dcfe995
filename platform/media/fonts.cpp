#include "fonts.h"

#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <cmath>
#include <map>
#include <utility>
#include <vector>

#include "platform/charset.h"

namespace plat {

int fontPixels(double points) { return int(std::lround(points * 96.0 / 72.0)); }

std::string substituteFamily(const std::string& name) {
    if (name == "Courier New") return "Liberation Mono";
    return "Liberation Sans";
}

namespace {

std::string match(const std::string& family, bool bold) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* found = FcFontMatch(nullptr, pattern, &result);
    std::string file;
    FcChar8* path = nullptr;
    if (found && FcPatternGetString(found, FC_FILE, 0, &path) == FcResultMatch)
        file = reinterpret_cast<const char*>(path);
    if (found) FcPatternDestroy(found);
    FcPatternDestroy(pattern);
    return file;
}

using Faces = std::map<std::pair<std::string, bool>, std::string>;

// Looks the faces up in one fontconfig session, which ends at once: its
// configuration and caches are not kept for the whole run.
Faces lookUp(const std::vector<std::string>& families) {
    Faces faces;
    bool started = FcInit() != 0;
    for (const std::string& family : families)
        for (bool bold : {false, true}) faces[{family, bold}] = started ? match(family, bold) : "";
    if (started) FcFini();
    return faces;
}

}  // namespace

std::string fontFile(const std::string& family, bool bold) {
    // Every family the game's fonts stand in for, looked up together.
    static const Faces game = lookUp({substituteFamily("Courier New"), substituteFamily("")});
    auto it = game.find({family, bold});
    return it != game.end() ? it->second : lookUp({family})[{family, bold}];
}

namespace {

// Opened fonts and rendered texts, kept for the whole run. The text cache is
// emptied when it grows large (scores change with every block).
class FontCache {
public:
    ~FontCache() {
        for (auto& [key, f] : fonts_)
            if (f) TTF_CloseFont(f);
        if (ttfStarted_) TTF_Quit();
    }

    // One opened font for each face and pixel size, whatever name the game
    // gives the font that stands in for it.
    TTF_Font* open(const Font& font) {
        std::string file = fontFile(substituteFamily(font.name), font.bold);
        std::string key = file + '|' + std::to_string(fontPixels(font.size));
        auto it = fonts_.find(key);
        if (it != fonts_.end()) return it->second;
        TTF_Font* f = nullptr;
        if (start() && !file.empty()) f = TTF_OpenFont(file.c_str(), fontPixels(font.size));
        fonts_[key] = f;
        return f;
    }

    TextMaskRef render(const Font& font, const std::string& text) {
        std::string key = font.name + '|' + std::to_string(font.size) + (font.bold ? "|b|" : "|r|") + text;
        auto it = texts_.find(key);
        if (it != texts_.end()) return it->second;
        if (texts_.size() >= kMaxTexts) texts_.clear();
        TextMaskRef mask = draw(open(font), text);
        texts_[key] = mask;
        return mask;
    }

private:
    static constexpr size_t kMaxTexts = 2000;

    bool start() {
        if (!ttfStarted_ && !TTF_WasInit()) ttfStarted_ = TTF_Init() == 0;
        return TTF_WasInit() != 0;
    }

    static TextMaskRef draw(TTF_Font* f, const std::string& text) {
        auto mask = std::make_shared<TextMask>();
        std::string utf8 = utf8From1252(text);
        if (!f || utf8.empty()) return mask;
        SDL_Surface* raw = TTF_RenderUTF8_Blended(f, utf8.c_str(), SDL_Color{255, 255, 255, 255});
        if (!raw) return mask;
        SDL_Surface* s = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_ARGB8888, 0);
        SDL_FreeSurface(raw);
        if (!s) return mask;
        mask->width = s->w;
        mask->height = s->h;
        mask->coverage.resize(size_t(s->w) * s->h);
        SDL_LockSurface(s);
        for (int y = 0; y < s->h; ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(s->pixels) + y * s->pitch);
            for (int x = 0; x < s->w; ++x) mask->coverage[size_t(y) * s->w + x] = uint8_t(row[x] >> 24);
        }
        SDL_UnlockSurface(s);
        SDL_FreeSurface(s);
        return mask;
    }

    bool ttfStarted_ = false;
    std::map<std::string, TTF_Font*> fonts_;
    std::map<std::string, TextMaskRef> texts_;
};

FontCache& cache() {
    static FontCache instance;
    return instance;
}

}  // namespace

TextMaskRef renderText(const Font& font, const std::string& text) { return cache().render(font, text); }

// Measured as SDL_ttf sizes the text it renders, without rendering it.
int textWidth(const Font& font, const std::string& text) {
    TTF_Font* f = cache().open(font);
    std::string utf8 = utf8From1252(text);
    int w = 0;
    if (!f || utf8.empty() || TTF_SizeUTF8(f, utf8.c_str(), &w, nullptr) != 0) return 0;
    return w;
}

int lineHeight(const Font& font) {
    TTF_Font* f = cache().open(font);
    return f ? TTF_FontHeight(f) : fontPixels(font.size);
}

}  // namespace plat
