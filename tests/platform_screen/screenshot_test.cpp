// Screenshots are 24-bit BMP files that read back as the composed pixels.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/media/bmp_file.h"
#include "screen_fixture.h"

namespace plat::testing {
namespace {

TEST(Screenshot, WrittenFileReadsBackAsTheSamePixels) {
    Screen s;
    Control& label = s.add(ControlKind::Label, 5, 5, 90, 20);
    label.setCaption("Screenshot 0123");
    label.setBackColor({12, 34, 56});
    label.setForeColor({250, 200, 100});
    s.add(ControlKind::Image, 40, 40, 0, 0).setPicture(solidPicture(13, 7, {1, 2, 3}));
    const Framebuffer& fb = s.shot();
    std::string path = (std::filesystem::temp_directory_path() / "corvane_screenshot_test.bmp").string();
    writeScreenshot(fb, path);
    EXPECT_EQ(std::filesystem::file_size(path), 54u + size_t(fb.h) * ((fb.w * 3 + 3) / 4 * 4));
    PictureRef back = loadBmp(path, "shot");
    std::filesystem::remove(path);
    ASSERT_EQ(back->width, fb.w);
    ASSERT_EQ(back->height, fb.h);
    EXPECT_TRUE(back->argb == fb.px);
}

TEST(Screenshot, UnwritablePathThrows) {
    Screen s;
    EXPECT_THROW(writeScreenshot(s.shot(), "/nonexistent-folder/shot.bmp"), std::runtime_error);
}

}  // namespace
}  // namespace plat::testing
