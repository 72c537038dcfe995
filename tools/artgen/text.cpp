// Text for the art generator: SDL2_ttf renders the Liberation fonts, which
// fontconfig locates by family, weight and slant. The result is a coverage
// mask, so callers can colour, outline or emboss it as they like.
#include "canvas.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <map>
#include <memory>
#include <stdexcept>
#include <tuple>

namespace art {

namespace {

struct FontDeleter {
    void operator()(TTF_Font* f) const { TTF_CloseFont(f); }
};
using FontPtr = std::unique_ptr<TTF_Font, FontDeleter>;

void initTtfOnce() {
    static const bool ready = [] {
        if (TTF_Init() != 0) throw std::runtime_error(std::string("TTF_Init: ") + TTF_GetError());
        return true;
    }();
    (void)ready;
}

std::string findFontFile(const TextStyle& style) {
    // A configuration of our own, released again, so that nothing of
    // fontconfig stays allocated once the fonts are open.
    struct ConfigDeleter {
        void operator()(FcConfig* c) const { FcConfigDestroy(c); }
    };
    std::unique_ptr<FcConfig, ConfigDeleter> config(FcInitLoadConfigAndFonts());
    if (!config) throw std::runtime_error("fontconfig could not be initialised");
    FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>(style.family.c_str()));
    if (!pat) throw std::runtime_error("bad font name: " + style.family);
    FcPatternAddInteger(pat, FC_WEIGHT, style.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pat, FC_SLANT, style.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(config.get(), pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config.get(), pat, &result);
    FcPatternDestroy(pat);
    std::string file;
    FcChar8* path = nullptr;
    if (match && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path)
        file = reinterpret_cast<const char*>(path);
    if (match) FcPatternDestroy(match);
    if (file.empty()) throw std::runtime_error("no font file for " + style.family);
    return file;
}

TTF_Font* fontFor(const TextStyle& style) {
    using Key = std::tuple<std::string, int, bool, bool>;
    static std::map<Key, FontPtr> cache;
    Key key{style.family, style.pixelSize, style.bold, style.italic};
    auto it = cache.find(key);
    if (it != cache.end()) return it->second.get();

    initTtfOnce();
    const std::string file = findFontFile(style);
    // At SDL_ttf's 72 dpi a point size is a pixel size.
    FontPtr font(TTF_OpenFont(file.c_str(), style.pixelSize));
    if (!font) throw std::runtime_error("cannot open font " + file + ": " + TTF_GetError());
    TTF_SetFontHinting(font.get(), TTF_HINTING_NORMAL);
    TTF_SetFontKerning(font.get(), 1);
    return cache.emplace(key, std::move(font)).first->second.get();
}

}  // namespace

Mask renderText(const std::string& text, const TextStyle& style) {
    Mask m;
    if (style.pixelSize <= 0) return m;
    TTF_Font* font = fontFor(style);
    if (text.empty()) {
        m.height = TTF_FontHeight(font);
        return m;
    }
    SDL_Surface* raw = TTF_RenderUTF8_Blended(font, text.c_str(), SDL_Color{255, 255, 255, 255});
    if (!raw) throw std::runtime_error(std::string("cannot render text: ") + TTF_GetError());
    SDL_Surface* s = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(raw);
    if (!s) throw std::runtime_error(std::string("cannot convert text: ") + SDL_GetError());

    m.width = s->w;
    m.height = s->h;
    m.a.resize(size_t(m.width) * m.height);
    SDL_LockSurface(s);
    for (int y = 0; y < s->h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < s->w; ++x) m.a[size_t(y) * m.width + x] = uint8_t(row[x] >> 24);
    }
    SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
    return m;
}

void drawText(Canvas& c, int x, int y, const std::string& text, const TextStyle& style, Rgb colour) {
    const Mask m = renderText(text, style);
    for (int yy = 0; yy < m.height; ++yy)
        for (int xx = 0; xx < m.width; ++xx) {
            const uint8_t a = m.at(xx, yy);
            if (a) c.blend(x + xx, y + yy, colour, a / 255.0);
        }
}

}  // namespace art
