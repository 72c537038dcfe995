// The platform core on its own, as a new backend or tool would take it: this
// program links corvane_platform and nothing else of the game (no SDL, font
// or picture library; check_core.cmake keeps it so), registers a null media
// that draws every character as a solid cell and every picture in one
// colour, and composes a window on the headless backend.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/compositor.h"
#include "platform/headless/headless_backend.h"
#include "platform/media.h"
#include "platform/system.h"

namespace plat {
namespace {

constexpr int kCellW = 4, kCellH = 6;
constexpr Color kInk{255, 255, 255}, kPaper{0, 0, 0}, kPictureColour{10, 200, 30};

class NullMedia : public Media {
public:
    PictureRef loadPicture(const std::string& path, const std::string& name, bool keyMagenta) override {
        ++loads;
        lastPath = path;
        lastKeyMagenta = keyMagenta;
        if (name == "missing") throw PictureMissing(path, "no such file");
        auto pic = std::make_shared<Picture>();
        pic->name = name;
        pic->width = 3;
        pic->height = 2;
        pic->argb.assign(6, argb(kPictureColour));
        return pic;
    }
    TextMaskRef renderText(const Font&, const std::string& text) override {
        auto mask = std::make_shared<TextMask>();
        mask->width = textWidth({}, text);
        mask->height = text.empty() ? 0 : kCellH;
        mask->coverage.assign(size_t(mask->width) * mask->height, 255);
        return mask;
    }
    int textWidth(const Font&, const std::string& text) override { return kCellW * int(text.size()); }
    int lineHeight(const Font&) override { return kCellH + 1; }

    int loads = 0;
    std::string lastPath;
    bool lastKeyMagenta = false;
};

// A 100 x 60 screen with one window covering it and a label at (10, 10).
struct Screen {
    Screen() : sys(backend, 100, 60), form(sys, "form"), label(form.add(ControlKind::Label, "label")) {
        form.setWidth(100 * 15);
        form.setHeight(60 * 15);
        form.show();
        label.setBounds(10 * 15, 10 * 15, 60 * 15, 10 * 15);
        label.setOpaque(true);
        label.setBackColor(kPaper);
        label.setForeColor(kInk);
        label.setCaption("abc");
    }
    int count(Color c) {
        compose(sys, fb);
        int n = 0;
        for (uint32_t p : fb.px) n += p == argb(c);
        return n;
    }
    HeadlessBackend backend;
    System sys;
    Form form;
    Control& label;
    Framebuffer fb;
};

TEST(PlatformCore, ComposingTextWithoutRegisteredMediaIsRefused) {
    useMedia(nullptr);
    Screen s;
    EXPECT_THROW(compose(s.sys, s.fb), std::logic_error);
    EXPECT_THROW(PictureStore("/nowhere").get("p"), std::logic_error);
}

TEST(PlatformCore, DrawsTheTextAndPicturesOfTheRegisteredMedia) {
    NullMedia media;
    useMedia(&media);
    Screen s;
    EXPECT_EQ(s.count(kInk), 3 * kCellW * kCellH);
    compose(s.sys, s.fb);
    EXPECT_EQ(s.fb.at(10, 10), argb(kInk));
    EXPECT_EQ(s.fb.at(10 + 3 * kCellW, 10), argb(kPaper));

    PictureStore store("/nowhere");
    Control& image = s.form.add(ControlKind::Image, "image");
    image.setBounds(80 * 15, 40 * 15, 0, 0);
    image.setPicture(store.get("p"));
    EXPECT_EQ(store.get("p"), image.picture());  // loaded once, then shared
    EXPECT_EQ(media.loads, 1);
    EXPECT_EQ(media.lastPath, "/nowhere/p.bmp");
    EXPECT_EQ(s.count(kPictureColour), 6);
    EXPECT_EQ(store.cursor("pointer", 1, 2)->hotY, 2);
    EXPECT_TRUE(media.lastKeyMagenta);
    EXPECT_THROW(store.get("missing"), PictureMissing);
    useMedia(nullptr);
}

}  // namespace
}  // namespace plat
