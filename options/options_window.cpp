#include "options/options_window.h"

#include <vector>

#include "platform/focus.h"
#include "rules/logic.h"
#include "shared/game_window_place.h"
#include "shared/picture_catalogue.h"

namespace {

using plat::Color;
using plat::ControlKind;

constexpr Color kDarkBlue{0, 0, 128};
constexpr Color kLightYellow{255, 255, 192};
constexpr Color kYellow{255, 255, 0};
const plat::Font kCaptionFont{"MS Sans Serif", 12, true};
const plat::Font kTextFont{"MS Sans Serif", 8.25, true};

}  // namespace

OptionsWindow::OptionsWindow(Program& program) : form_(program.sys, "options") {
    form_.setBackColor(kDarkBlue);
    form_.setWidth(4455);
    form_.setHeight(6330);
    addControls(program);
    connectHandlers();
    Form_Load(program);
}

// Over the board of the centred game window, at the same distance from the
// pixel its corner stands on, on every screen: Left 3670, Top 1290 on an
// 800 x 600 one.
void OptionsWindow::Form_Load(const Program& program) {
    WindowPlace game = gameWindowPlace(program.sys, program.iTwipsX, program.iTwipsY);
    form_.setLeft(game.left + 2470);
    form_.setTop(game.top + 390);
}

// A frame, option button or label on the dark blue ground.
plat::Control& OptionsWindow::addText(ControlKind kind, const char* name, plat::Control* parent, const char* caption,
                                      Bounds b, bool heading) {
    plat::Control& c = form_.add(kind, name, parent);
    c.setBounds(b.left, b.top, b.width, b.height);
    c.setCaption(caption);
    c.setBackColor(kDarkBlue);
    c.setForeColor(heading ? kLightYellow : kYellow);
    c.setFont(heading ? kCaptionFont : kTextFont);
    return c;
}

plat::Control& OptionsWindow::addFrame(const char* name, const char* caption, Bounds b) {
    return addText(ControlKind::Frame, name, nullptr, caption, b, true);
}

plat::Control& OptionsWindow::addOption(const char* name, plat::Control& frame, const char* caption, Bounds b) {
    return addText(ControlKind::OptionButton, name, &frame, caption, b, false);
}

void OptionsWindow::addControls(Program& program) {
    plat::Control& frame1 = addFrame("Frame1", "Sound", {585, 240, 3240, 915});
    addOption("soundOn", frame1, "On", {405, 255, 885, 615});
    addOption("soundOff", frame1, "Off", {1830, 330, 870, 495});
    addStartLevel(addFrame("Frame2", "Start level", {585, 1395, 3255, 1005}));
    plat::Control& frame3 = addFrame("Frame3", "Control", {585, 2610, 3270, 915});
    addOption("KeyBoard", frame3, "Keyboard", {405, 270, 1170, 615});
    addOption("Mouse", frame3, "Mouse", {1830, 300, 1170, 570});
    addPictureSet(program, addFrame("Frame4", "Blocks with embedded ...", {585, 3720, 3255, 1560}));

    plat::Control& command1 = form_.add(ControlKind::CommandButton, "Command1");
    command1.setBounds(2700, 5550, 1185, 615);
    command1.setCaption("Return");
    command1.setFont(kCaptionFont);
    form_.defaultButton = &command1;

    std::vector<plat::Control*> order;
    for (const char* name : {"Frame1", "Command1", "soundOn", "soundOff", "StartLevel", "KeyBoard", "Mouse", "Iron",
                             "Wood", "Frame2", "StartLevelEdit", "Frame3", "Frame4"})
        order.push_back(&control(name));
    plat::setTabOrder(form_, std::move(order));
}

void OptionsWindow::addStartLevel(plat::Control& frame2) {
    plat::Control& bar = form_.add(ControlKind::ScrollBar, "StartLevel", &frame2);
    bar.setBounds(135, 540, 2700, 270);
    bar.setRange(LowestLevel, HighestLevel);
    bar.setSteps(1, 1);
    bar.setPosition(LowestLevel);
    plat::Control& edit = addText(ControlKind::Label, "StartLevelEdit", &frame2, "", {2895, 555, 285, 390}, false);
    edit.setAlignment(plat::Align::Center);
}

void OptionsWindow::addPictureSet(Program& program, plat::Control& frame4) {
    addOption("Iron", frame4, "Pipes", {405, 315, 855, 480});
    addOption("Wood", frame4, "Branches", {1830, 360, 1200, 390});
    plat::Control& ironPict = form_.add(ControlKind::Image, "IronPict", &frame4);
    ironPict.setBounds(690, 765, 600, 600);
    ironPict.setPicture(program.pictures.get(catalogue::samplePicture(false)));
    plat::Control& woodPict = form_.add(ControlKind::Image, "WoodPict", &frame4);
    woodPict.setBounds(2145, 780, 600, 600);
    woodPict.setPicture(program.pictures.get(catalogue::samplePicture(true)));
}

void OptionsWindow::connectHandlers() {
    control("soundOn").onClick = [this] { oLogic_->SetSound(SoundOn); };
    control("soundOff").onClick = [this] { oLogic_->SetSound(SoundOff); };
    control("StartLevel").onChange = [this] { StartLevel_Change(); };
    control("KeyBoard").onClick = [this] { oLogic_->SetControl(KeyboardControl); };
    control("Mouse").onClick = [this] { oLogic_->SetControl(MouseControl); };
    control("Iron").onClick = [this] { ChooseBlockType(PipesSet); };
    control("Wood").onClick = [this] { ChooseBlockType(BranchesSet); };
    control("IronPict").onClick = [this] { IronPict_Click(); };
    control("WoodPict").onClick = [this] { WoodPict_Click(); };
    control("Command1").onClick = [this] { oLogic_->ReturnPressedInOptions(); };
}

void OptionsWindow::StartLevel_Change() {
    int value = control("StartLevel").position();
    control("StartLevelEdit").setCaption(plat::digits(value));
    oLogic_->SetStartLevel(plat::Integer(value));
}

// The picture set, and the board's small laser pieces drawn in it.
void OptionsWindow::ChooseBlockType(plat::Integer iType) {
    oLogic_->SetBlockType(iType);
    oLogic_->visual().ReInitSmallLasers();
}

void OptionsWindow::IronPict_Click() {
    oLogic_->SetBlockType(PipesSet);
    SelectPair(control("Iron"), control("Wood"), true);
    oLogic_->visual().ReInitSmallLasers();
}

void OptionsWindow::WoodPict_Click() {
    oLogic_->SetBlockType(BranchesSet);
    SelectPair(control("Iron"), control("Wood"), false);
    oLogic_->visual().ReInitSmallLasers();
}

// Selects one option button of a pair and clears the other. Selecting raises
// the button's Click, which writes back the value it shows.
void OptionsWindow::SelectPair(plat::Control& first, plat::Control& second, bool firstSelected) {
    first.setValue(firstSelected);
    second.setValue(!firstSelected);
}

void OptionsWindow::InitControls() {
    SelectPair(control("soundOn"), control("soundOff"), oLogic_->Sound() != SoundOff);
    plat::Integer iLevel = oLogic_->StartLevel();
    control("StartLevel").setPosition(iLevel);
    control("StartLevelEdit").setCaption(plat::digits(iLevel));
    SelectPair(control("KeyBoard"), control("Mouse"), oLogic_->Control() == KeyboardControl);
    SelectPair(control("Iron"), control("Wood"), oLogic_->BlockType() == PipesSet);
}
