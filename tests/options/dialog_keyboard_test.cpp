// The dialog by keyboard: Return presses the Return button, Tab moves the
// focus along the tab order, arrows and Space act on the focused control.
#include "dialog_fixture.h"

#include "platform/focus.h"

namespace {
constexpr int kShift = plat::ShiftMask;
}

TEST_F(DialogTest, ReturnKeyClosesAndSaves) {
    open(" 1 \r\n 3 \r\n 0 \r\n 1 \r\n");
    key(plat::KeyReturn);
    EXPECT_FALSE(windows->dialog->form().visible());
    EXPECT_EQ(readFile("OPT.TXT"), " 1 \r\n 3 \r\n 0 \r\n 1 \r\n");
}

TEST_F(DialogTest, TabVisitsTheReturnButtonThenTheSelectedButtonOfEachGroup) {
    open(" 0 \r\n 1 \r\n 1 \r\n 0 \r\n");
    plat::Form& form = windows->dialog->form();
    EXPECT_EQ(plat::focusedControl(form), &control("Command1"));
    const char* forward[] = {"soundOff", "StartLevel", "Mouse", "Iron", "Command1"};
    for (const char* name : forward) {
        key(plat::KeyTab);
        EXPECT_EQ(plat::focusedControl(form), &control(name)) << name;
    }
    key(plat::KeyTab, kShift);
    EXPECT_EQ(plat::focusedControl(form), &control("Iron"));
    key(plat::KeyTab, kShift);
    EXPECT_EQ(plat::focusedControl(form), &control("Mouse"));
}

TEST_F(DialogTest, ArrowsChooseWithinAGroupAndMoveTheScrollBar) {
    open();
    key(plat::KeyTab);  // soundOn
    key(plat::KeyRight);
    EXPECT_TRUE(selected("soundOff"));
    EXPECT_EQ(game->Sound(), 0);
    key(plat::KeyRight);  // wraps round the group
    EXPECT_EQ(game->Sound(), 1);
    key(plat::KeyTab);  // the scroll bar
    key(plat::KeyRight);
    key(plat::KeyRight);
    EXPECT_EQ(game->StartLevel(), 3);
    EXPECT_EQ(control("StartLevelEdit").caption(), "3");
    for (int i = 0; i < 5; ++i) key(plat::KeyLeft);
    EXPECT_EQ(game->StartLevel(), 1);
}

TEST_F(DialogTest, SpacePressesTheFocusedControl) {
    open();
    for (int i = 0; i < 4; ++i) key(plat::KeyTab);  // Iron
    key(plat::KeyRight);                            // Wood
    EXPECT_EQ(game->BlockType(), 1);
    EXPECT_EQ(count("ReInitSmallLasers()"), 1);
    key(plat::KeySpace);  // Wood again
    EXPECT_EQ(game->BlockType(), 1);
    key(plat::KeyTab);  // round to the Return button
    key(plat::KeySpace);
    EXPECT_FALSE(windows->dialog->form().visible());
    EXPECT_EQ(readFile("OPT.TXT"), " 1 \r\n 1 \r\n 0 \r\n 1 \r\n");
}

TEST_F(DialogTest, AClickGivesTheFocusToTheControl) {
    open();
    click("Mouse");
    EXPECT_EQ(plat::focusedControl(windows->dialog->form()), &control("Mouse"));
    key(plat::KeyLeft);
    EXPECT_EQ(game->Control(), 0);
}

// A window without a tab order, such as the game window, gets every key.
TEST(WindowWithoutTabOrder, ReceivesTabSpaceAndArrows) {
    plat::HeadlessBackend backend;
    plat::System sys{backend, 640, 480};
    plat::Form form(sys, "plain");
    form.setWidth(3000);
    form.setHeight(3000);
    form.add(plat::ControlKind::OptionButton, "a");
    form.add(plat::ControlKind::CommandButton, "b");
    std::vector<int> seen;
    form.onKeyDown = [&](int code, int) { seen.push_back(code); };
    form.show();
    for (int code : {plat::KeyTab, plat::KeySpace, plat::KeyLeft, plat::KeyDown})
        sys.post({plat::InputEvent::Type::KeyDown, code, 0, 0, 0});
    sys.DoEvents();
    EXPECT_EQ(seen, (std::vector<int>{plat::KeyTab, plat::KeySpace, plat::KeyLeft, plat::KeyDown}));
    EXPECT_EQ(plat::focusedControl(form), nullptr);
}
