// The panels: what a click on each part does, the game-over picture and its
// timer, the pause picture.
#include "rules/logic_probe.h"
#include "tests/window/visual_fixture.h"

namespace {

using visual_test::VisualTest;

class Panels : public VisualTest {
protected:
    void openAll() {
        visual().message().setVisible(true);
        visual().message3().setVisible(true);
        visual().topTen().setVisible(true);
        visual().EnableGameOver();
        backend.sounds.clear();
        std::filesystem::remove(folder + "OPT.TXT");
    }
    // Clicks a control through its handler, as the platform does for a
    // completed click on it.
    void click(const std::string& name, int index = -1) {
        plat::Control& c = ctl(name, index);
        if (c.onClick) c.onClick();
    }
    bool shown(const char* name) { return ctl(name).visible(); }
};

TEST_F(Panels, MessageOffClosesTextPanelsYieldsAndAlwaysSounds) {
    start();
    queueProbe();
    visual().MessageOff();
    EXPECT_TRUE(yielded());
    EXPECT_EQ(sounds(), std::vector<std::string>{"off.wav/3"});
    visual().message().setVisible(true);
    visual().message3().setVisible(true);
    visual().MessageOff();
    EXPECT_FALSE(shown("message"));
    EXPECT_FALSE(shown("message3"));
}

TEST_F(Panels, TextPanelLinesCloseTheTextPanelsAndTheGameOverPicture) {
    start();
    for (const char* name : {"message", "Label4", "Label5", "Label2", "Label6", "Label3", "Label7", "Label15", "Label9",
                             "Label11", "Label16", "Label18", "Label17"}) {
        openAll();
        click(name);
        EXPECT_FALSE(shown("message")) << name;
        EXPECT_FALSE(shown("message3")) << name;
        EXPECT_FALSE(shown("gameOver")) << name;
        EXPECT_FALSE(visual().gameOverTimer().enabled()) << name;
        EXPECT_TRUE(shown("topTen")) << name;
        EXPECT_EQ(sounds(), std::vector<std::string>{"off.wav/3"}) << name;
        EXPECT_FALSE(fileExists("OPT.TXT")) << name;
        EXPECT_TRUE(visual().form().visible()) << name;
    }
}

TEST_F(Panels, InformationBackgroundAlsoWritesTheOptions) {
    start();
    openAll();
    click("message3");
    EXPECT_FALSE(shown("message3"));
    EXPECT_TRUE(shown("gameOver"));
    EXPECT_TRUE(fileExists("OPT.TXT"));
}

TEST_F(Panels, TopTenPartsHideOnlyTheTable) {
    start();
    std::vector<std::pair<std::string, int>> parts{{"Label8", -1}, {"Label22", -1}, {"Label23", -1}};
    for (int row : {0, 9})
        for (const char* name : {"topName", "topLevel", "topScore"}) parts.emplace_back(name, row);
    for (const auto& [name, index] : parts) {
        openAll();
        click(name, index);
        EXPECT_FALSE(shown("topTen")) << name << index;
        EXPECT_TRUE(shown("message")) << name << index;
        EXPECT_TRUE(shown("gameOver")) << name << index;
        EXPECT_TRUE(sounds().empty()) << name << index;
    }
    openAll();
    press(visual().topTen(), plat::RightButton, 280, 200);
    EXPECT_FALSE(shown("topTen"));
}

TEST_F(Panels, SomePartsDoNothing) {
    start();
    openAll();
    visual().message3().setVisible(false);
    visual().topTen().setVisible(false);
    press(ctl("Label24"), plat::LeftButton, 2, 2);
    visual().message().setVisible(false);
    visual().topTen().setVisible(true);
    visual().EnterYourName().setVisible(true);
    press(visual().startLevel(3), plat::LeftButton, 2, 2);
    press(visual().EnterYourName(), plat::LeftButton, 2, 2);
    EXPECT_TRUE(shown("topTen"));
    EXPECT_TRUE(shown("gameOver"));
    EXPECT_TRUE(sounds().empty());
}

TEST_F(Panels, GameOverPictureEndsAfterTwoSecondsIntoTheTopTen) {
    start();
    visual().EnableGameOver();
    EXPECT_TRUE(shown("gameOver"));
    sys.runUntil(sys.now() + 1999);
    EXPECT_TRUE(shown("gameOver"));
    EXPECT_FALSE(shown("topTen"));
    sys.runUntil(sys.now() + 1);
    EXPECT_FALSE(shown("gameOver"));
    EXPECT_FALSE(visual().gameOverTimer().enabled());
    EXPECT_TRUE(shown("topTen"));
}

TEST_F(Panels, ClickOnThePauseResumesTheGame) {
    logic& game = start();
    visual().StartClick();
    key('P', 'p');
    ASSERT_TRUE(shown("pause"));
    visual().Timer1().setEnabled(false);
    press(visual().pause(), plat::LeftButton, 100, 100);
    EXPECT_FALSE(shown("pause"));
    EXPECT_TRUE(visual().Timer1().enabled());
    EXPECT_EQ(LogicProbe::paused(game), 0);
}

}  // namespace
