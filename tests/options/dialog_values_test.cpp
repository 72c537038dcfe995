// The dialog's place and its filling from the game's option values.
#include "dialog_fixture.h"

TEST_F(DialogTest, LoadsHiddenOverTheBoardOfTheGameWindow) {
    game = std::make_unique<logic>(*program, *windows);
    plat::Form& form = windows->dialog->form();
    EXPECT_FALSE(form.visible());
    EXPECT_EQ(form.left(), 3670);
    EXPECT_EQ(form.top(), 1290);
    EXPECT_EQ(form.width(), 4455);
    EXPECT_EQ(form.height(), 6330);
    EXPECT_EQ(form.backColor(), (plat::Color{0, 0, 128}));
    EXPECT_EQ(control("StartLevel").position(), 1);
    EXPECT_EQ(control("StartLevelEdit").caption(), "");
    for (const char* name : {"soundOn", "soundOff", "KeyBoard", "Mouse", "Iron", "Wood"})
        EXPECT_FALSE(selected(name)) << name;
    EXPECT_EQ(form.defaultButton, &control("Command1"));
}

TEST_F(DialogTest, OpensWithTheValuesOfTheOptionsFile) {
    open(" 0 \r\n 7 \r\n 1 \r\n 1 \r\n");
    EXPECT_TRUE(windows->dialog->form().visible());
    EXPECT_TRUE(selected("soundOff"));
    EXPECT_FALSE(selected("soundOn"));
    EXPECT_EQ(control("StartLevel").position(), 7);
    EXPECT_EQ(control("StartLevelEdit").caption(), "7");
    EXPECT_TRUE(selected("Mouse"));
    EXPECT_FALSE(selected("KeyBoard"));
    EXPECT_TRUE(selected("Wood"));
    EXPECT_FALSE(selected("Iron"));
    // Filling the controls changes no value.
    EXPECT_EQ(game->Sound(), 0);
    EXPECT_EQ(game->StartLevel(), 7);
    EXPECT_EQ(game->BlockType(), 1);
    EXPECT_EQ(game->Control(), 1);
}

TEST_F(DialogTest, OpensWithTheDefaultsWithoutAFile) {
    open();
    EXPECT_TRUE(selected("soundOn"));
    EXPECT_FALSE(selected("soundOff"));
    EXPECT_EQ(control("StartLevel").position(), 1);
    EXPECT_EQ(control("StartLevelEdit").caption(), "1");
    EXPECT_TRUE(selected("KeyBoard"));
    EXPECT_TRUE(selected("Iron"));
    EXPECT_FALSE(selected("Wood"));
}

TEST_F(DialogTest, EachOpeningFillsAfreshAndSetsTheBoardPointer) {
    open(" 1 \r\n 1 \r\n 1 \r\n 0 \r\n");
    EXPECT_EQ(windows->visual->center().mousePointer(), plat::PointerCustom);
    game->OptionsPressed();  // closes
    game->SetControl(0);
    game->SetStartLevel(4);
    game->OptionsPressed();  // opens and fills again
    EXPECT_EQ(windows->visual->center().mousePointer(), plat::PointerDefault);
    EXPECT_TRUE(selected("KeyBoard"));
    EXPECT_EQ(control("StartLevelEdit").caption(), "4");
}
