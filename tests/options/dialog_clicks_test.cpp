// Clicks in the dialog: each sets its value in the game at once.
#include "dialog_fixture.h"

TEST_F(DialogTest, SoundAndControlButtonsSetTheirValuesAtOnce) {
    open();
    click("soundOff");
    EXPECT_EQ(game->Sound(), 0);
    EXPECT_FALSE(selected("soundOn"));
    click("soundOn");
    EXPECT_EQ(game->Sound(), 1);
    click("Mouse");
    EXPECT_EQ(windows->visual->center().mousePointer(), plat::PointerDefault);  // until Control is read
    EXPECT_EQ(game->Control(), 1);
    EXPECT_FALSE(selected("KeyBoard"));
    click("KeyBoard");
    EXPECT_EQ(game->Control(), 0);
}

TEST_F(DialogTest, PictureSetButtonsRepaintTheSmallLasers) {
    open();
    click("Wood");
    EXPECT_EQ(game->BlockType(), 1);
    EXPECT_EQ(count("ReInitSmallLasers()"), 1);
    click("Iron");
    EXPECT_EQ(game->BlockType(), 0);
    EXPECT_EQ(count("ReInitSmallLasers()"), 2);
}

TEST_F(DialogTest, SamplePicturesChooseTheirSetLikeTheButtons) {
    open();
    click("WoodPict");
    EXPECT_EQ(game->BlockType(), 1);
    EXPECT_TRUE(selected("Wood"));
    EXPECT_FALSE(selected("Iron"));
    EXPECT_GE(count("ReInitSmallLasers()"), 1);
    log.clear();
    click("IronPict");
    EXPECT_EQ(game->BlockType(), 0);
    EXPECT_TRUE(selected("Iron"));
    EXPECT_FALSE(selected("Wood"));
    EXPECT_GE(count("ReInitSmallLasers()"), 1);
}

TEST_F(DialogTest, ScrollBarArrowsStepByOneAndStopAtTheEnds) {
    open(" 1 \r\n 9 \r\n 0 \r\n 0 \r\n");
    plat::Control& bar = control("StartLevel");
    clickAt(bar, 0.98);  // right arrow
    EXPECT_EQ(bar.position(), 10);
    EXPECT_EQ(control("StartLevelEdit").caption(), "10");
    EXPECT_EQ(game->StartLevel(), 10);
    clickAt(bar, 0.98);
    EXPECT_EQ(game->StartLevel(), 10);
    EXPECT_EQ(control("StartLevelEdit").caption(), "10");
    clickAt(bar, 0.3);  // the track left of the thumb
    EXPECT_EQ(game->StartLevel(), 9);
    for (int i = 0; i < 12; ++i) clickAt(bar, 0.02);  // left arrow
    EXPECT_EQ(bar.position(), 1);
    EXPECT_EQ(control("StartLevelEdit").caption(), "1");
    EXPECT_EQ(game->StartLevel(), 1);
}

TEST_F(DialogTest, ReturnButtonClosesAndSavesTheValues) {
    open();
    click("soundOff");
    click("Mouse");
    click("Command1");
    EXPECT_FALSE(windows->dialog->form().visible());
    EXPECT_EQ(readFile("OPT.TXT"), " 0 \r\n 1 \r\n 1 \r\n 0 \r\n");
}

TEST_F(DialogTest, ClosingThroughTheOptionsCommandKeepsChangesWithoutSaving) {
    open();
    click("Wood");
    game->OptionsPressed();
    EXPECT_FALSE(windows->dialog->form().visible());
    EXPECT_EQ(game->BlockType(), 1);
    EXPECT_EQ(readFile("OPT.TXT"), "");
}
