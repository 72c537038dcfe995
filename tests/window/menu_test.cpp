// The menu: hover lighting and the six menu actions.
#include "tests/window/visual_fixture.h"

namespace {

using visual_test::VisualTest;

const char* const kHighlights[] = {"start0", "options0", "info0", "scores0", "exit0", "help0"};

class Menu : public VisualTest {
protected:
    std::vector<std::string> lit() {
        std::vector<std::string> names;
        for (const char* h : kHighlights)
            if (ctl(h).visible()) names.push_back(h);
        return names;
    }
    // The rim of a hot spot that its highlight leaves uncovered.
    void hoverRim(const char* spot) {
        plat::Control& c = ctl(spot);
        moveTo(c, 0, c.screenRect().h - 1);
    }
};

TEST_F(Menu, HoverLightsOneHighlightWithOneSound) {
    start();
    hoverRim("exit");
    EXPECT_EQ(lit(), std::vector<std::string>{"exit0"});
    hoverRim("info");
    EXPECT_EQ(lit(), std::vector<std::string>{"info0"});
    EXPECT_EQ(sounds(), (std::vector<std::string>{"down.wav/3", "down.wav/3"}));
    hoverRim("info");
    moveTo(ctl("info0"), 5, 5);
    EXPECT_EQ(sounds().size(), 2u);
    moveTo(visual().center(), 50, 50);  // the bare window: the highlight stays lit
    EXPECT_EQ(lit(), std::vector<std::string>{"info0"});
}

TEST_F(Menu, HoverIsSilentWithSoundOff) {
    start({.sound = 0});
    hoverRim("help");
    EXPECT_EQ(lit(), std::vector<std::string>{"help0"});
    EXPECT_TRUE(sounds().empty());
}

TEST_F(Menu, StartClosesEverythingInItsWayAndStartsAGame) {
    logic& game = start();
    visual().message().setVisible(true);
    visual().topTen().setVisible(true);
    visual().EnableGameOver();
    game.SetPaused(true);
    visual().pause().setVisible(true);
    windows.options->form().show();
    hoverRim("start");
    backend.sounds.clear();
    press(ctl("start0"), plat::LeftButton, 5, 5);
    for (const char* name : {"message", "topTen", "gameOver", "pause"}) EXPECT_FALSE(ctl(name).visible()) << name;
    EXPECT_FALSE(visual().gameOverTimer().enabled());
    EXPECT_FALSE(windows.options->form().visible());
    EXPECT_TRUE(visual().center().visible());
    EXPECT_TRUE(visual().center().enabled());
    EXPECT_TRUE(visual().Timer1().enabled());
    EXPECT_EQ(sounds(), std::vector<std::string>{"off.wav/3"});
}

TEST_F(Menu, InfoOpensWithItsTuneAndClosesWithTheClosingSound) {
    start();
    visual().EnableGameOver();
    queueProbe();
    visual().InfoClick();
    EXPECT_TRUE(yielded());
    EXPECT_TRUE(visual().message3().visible());
    EXPECT_TRUE(visual().gameOver().visible());  // opening leaves the game-over picture
    EXPECT_EQ(sounds(), std::vector<std::string>{"leavme.wav/11"});
    visual().HelpClicked();  // opens behind the information panel
    EXPECT_TRUE(visual().message().visible());
    visual().InfoClick();
    EXPECT_FALSE(visual().message3().visible());
    EXPECT_FALSE(visual().message().visible());
    EXPECT_FALSE(visual().gameOver().visible());
    EXPECT_EQ(sounds().back(), "off.wav/3");
}

TEST_F(Menu, ScoresTogglesTheTableFillingItOnlyWhenOpening) {
    start();
    visual().topName(0).setCaption("zzz");
    visual().ScoresClicked();
    EXPECT_TRUE(visual().topTen().visible());
    EXPECT_NE(visual().topName(0).caption(), "zzz");
    visual().topName(0).setCaption("zzz");
    visual().ScoresClicked();
    EXPECT_FALSE(visual().topTen().visible());
    EXPECT_EQ(visual().topName(0).caption(), "zzz");
    EXPECT_EQ(sounds(), (std::vector<std::string>{"off.wav/3", "off.wav/3"}));
}

TEST_F(Menu, OptionsTogglesTheDialogAndEndsAPause) {
    logic& game = start();
    visual().pause().setVisible(true);
    game.SetPaused(true);
    hoverRim("optionsTouch");
    press(ctl("options0"), plat::RightButton, 5, 5);
    EXPECT_TRUE(windows.options->form().visible());
    EXPECT_FALSE(visual().pause().visible());
    visual().OptionsMouseDown();
    EXPECT_FALSE(windows.options->form().visible());
}

TEST_F(Menu, ExitSavesTheTableAndEndsTheProgram) {
    start();
    std::filesystem::remove(folder + "HI.SCO");
    hoverRim("exit");
    EXPECT_THROW(press(ctl("exit0"), plat::LeftButton, 5, 5), plat::ProgramEnded);
    EXPECT_TRUE(fileExists("HI.SCO"));
}

// The rim around the lit EXIT is the EXIT action too: the table is saved,
// with the closing sounds of EXIT.
TEST_F(Menu, TheBareExitHotSpotLeavesAsExitDoes) {
    start();
    std::filesystem::remove(folder + "HI.SCO");
    EXPECT_THROW(press(ctl("exit"), plat::LeftButton, 0, 0), plat::ProgramEnded);
    EXPECT_TRUE(fileExists("HI.SCO"));
    EXPECT_EQ(sounds(), (std::vector<std::string>{"off.wav/3", "off.wav/3"}));
}

}  // namespace
