// The display check: the game runs only at 15 twips per pixel.
#include "startup_fixture.h"

#include <ostream>

#include "rules/logic.h"

namespace {

struct Twips {
    int x, y;
};
void PrintTo(const Twips& t, std::ostream* os) { *os << t.x << "x" << t.y << "twips"; }

class WrongDisplay : public StartupTest, public ::testing::WithParamInterface<Twips> {};

TEST_P(WrongDisplay, ShowsTheMessageAndEndsBeforeAnythingElse) {
    EXPECT_FALSE(start(640, 480, GetParam().x, GetParam().y));
    EXPECT_TRUE(sys->ended());
    EXPECT_TRUE(module->startFailed());
    ASSERT_EQ(backend.boxes.size(), 1u);
    EXPECT_EQ(backend.boxes[0].prompt, "Please change font size to small in CONTROL PANEL - DISPLAY !");
    EXPECT_EQ(backend.boxes[0].title, "Corvane 95");
    EXPECT_EQ(backend.boxes[0].flags, 0);
    EXPECT_TRUE(sys->forms().empty());
    EXPECT_EQ(module->gLogic(), nullptr);
    EXPECT_TRUE(dataFiles().empty());
    EXPECT_TRUE(backend.screenPointers.empty());  // no hourglass either
}

INSTANTIATE_TEST_SUITE_P(EitherDirection, WrongDisplay, ::testing::Values(Twips{12, 12}, Twips{12, 15}, Twips{15, 12}));

TEST_F(StartupTest, SmallFontsPassTheCheckAndKeepTheProgramFolder) {
    ASSERT_TRUE(start());
    EXPECT_TRUE(backend.boxes.empty());
    EXPECT_FALSE(module->startFailed());
    ASSERT_NE(module->gLogic(), nullptr);
    EXPECT_EQ(module->program().iTwipsX, 15);
    EXPECT_EQ(module->program().iTwipsY, 15);
    EXPECT_EQ(module->program().gPath, folder + "/");
    EXPECT_EQ(backend.screenPointers, (std::vector<int>{plat::PointerHourglass, plat::PointerDefault}));
}

// The program folder may come with its slash; every file name then still
// has one slash before it.
TEST_F(StartupTest, AProgramFolderEndingInASlashGetsNoSecond) {
    folder += "/";
    ASSERT_TRUE(start());
    EXPECT_EQ(module->program().gPath, folder);
}

TEST_F(StartupTest, WithoutAnOptionsFileStartsWithTheDefaultsAndWritesNone) {
    ASSERT_TRUE(start());
    logic& game = *module->gLogic();
    EXPECT_EQ(game.Sound(), 1);
    EXPECT_EQ(game.StartLevel(), 1);
    EXPECT_EQ(game.Control(), 0);
    EXPECT_EQ(game.BlockType(), 0);
    sys->runUntil(sys->now() + 2500);
    EXPECT_FALSE(exists("OPT.TXT"));
}

}  // namespace
