// A picture that cannot be loaded at start-up ends the program with a
// message naming the file: the game never runs with blank pictures.
#include "startup_fixture.h"

#include <fstream>

namespace {

class MissingPicture : public StartupTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(MissingPicture, NamesTheFileAndEnds) {
    const std::string path = folder + "/pictures/" + GetParam() + ".bmp";
    removeFile(std::string("pictures/") + GetParam() + ".bmp");
    EXPECT_FALSE(start());
    EXPECT_TRUE(sys->ended());
    EXPECT_TRUE(module->startFailed());
    ASSERT_EQ(backend.boxes.size(), 1u);
    EXPECT_EQ(backend.boxes[0].prompt,
              "Corvane cannot start: the picture file \"" + path + "\" is missing or unreadable.");
    EXPECT_EQ(backend.boxes[0].title, "Corvane");
    EXPECT_EQ(backend.boxes[0].flags, plat::MbCritical);
    EXPECT_EQ(module->gLogic(), nullptr);
    EXPECT_EQ(visibleForms(), 0);
    EXPECT_EQ(sys->screenPointer(), plat::PointerDefault);
}

// One picture of each window: the title window, the options dialog, the game window.
INSTANTIATE_TEST_SUITE_P(OfEachWindow, MissingPicture, ::testing::Values("splash", "WoodPict", "visual"));

TEST_F(StartupTest, AnUnreadablePictureEndsTheProgramToo) {
    std::ofstream(folder + "/pictures/IronPict.bmp", std::ios::trunc) << "not a picture";
    EXPECT_FALSE(start());
    ASSERT_EQ(backend.boxes.size(), 1u);
    EXPECT_NE(backend.boxes[0].prompt.find("IronPict.bmp"), std::string::npos);
}

}  // namespace
