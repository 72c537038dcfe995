#include "tests/support/fake_windows.h"

#include "rules/logic.h"

namespace fakes {

namespace {

const char* const kPanels[] = {"pause",    "message",       "message3",  "topTen",
                               "gameOver", "EnterYourName", "cursorBig", "cursorSmall"};
const char* const kBackgrounds[] = {"geysir0", "geysir1", "eldfell", "sheep", "waterf"};

plat::PictureRef NamedPicture(const std::string& name) {
    auto picture = std::make_shared<plat::Picture>();
    picture->name = name;
    return picture;
}

}  // namespace

FakeVisual::FakeVisual(plat::System& sys, CallLog& log) : log_(log), form_(sys, "visual") {
    plat::Control& center = form_.add(plat::ControlKind::PictureBox, "center");
    center.setVisible(false);  // hidden until the first game
    for (const char* name : {"score", "level", "hiscore"}) form_.add(plat::ControlKind::Label, name);
    for (const char* name : kPanels) form_.add(plat::ControlKind::PictureBox, name).setVisible(false);
    for (int row = 0; row <= 9; ++row)
        for (const char* name : {"topName", "startLevel", "topLevel", "topScore"})
            form_.add(plat::ControlKind::Label, name, nullptr, row).setBounds(1000, 300 + 300 * row, 600, 240);
    for (const char* name : kBackgrounds) {
        plat::Control& image = form_.add(plat::ControlKind::Image, name);
        image.setVisible(false);
        image.setPicture(NamedPicture(name));
    }
    EnterYourName().setBackColor({255, 255, 255});
    EnterYourName().setForeColor({0, 0, 0});
    timer1_ = &form_.addTimer("Timer1", 333);
    cursorTimer_ = &form_.addTimer("CursorTimer", 1000);
    timer1_->onTimer = [this] { logic_->Timer(); };
    cursorTimer_->onTimer = [this] { logic_->CursorTimer(); };
}

void FakeVisual::note(const std::string& call) {
    log_.push_back(call);
    scoreAtCall.push_back(score().caption());
}

void FakeVisual::note(const std::string& name, std::initializer_list<int> args) {
    std::string call = name + "(";
    for (int arg : args) call += std::to_string(arg) + ",";
    if (args.size() > 0) call.pop_back();
    note(call + ")");
}

void FakeVisual::Init() {
    note("Init()");
    logic_->VisualInitDone();
}

void FakeVisual::MessageOff() {
    note("MessageOff()");
    message().setVisible(false);
    message3().setVisible(false);
}

void FakeVisual::DisableGameOver() {
    note("DisableGameOver()");
    gameOver().setVisible(false);
}

void FakeVisual::EnableGameOver() {
    note("EnableGameOver()");
    gameOver().setVisible(true);
}

void FakeVisual::setLogic(logic& oLogic) {
    note("visual.setLogic()");
    logic_ = &oLogic;
}

FakeBlack::FakeBlack(plat::System& sys, CallLog& log) : log_(log), form_(sys, "black") {
    splash_ = &form_.add(plat::ControlKind::PictureBox, "splash");
    splash_->setVisible(false);
    timer1_ = &form_.addTimer("Timer1", 2000);
    // The title window stops its timer and hands over to the game.
    timer1_->onTimer = [this] {
        timer1_->setEnabled(false);
        logic_->splashDone();
    };
}

void FakeBlack::ShowSplash() {
    log_.push_back("ShowSplash()");
    splash_->setVisible(true);
}

void FakeBlack::setLogic(logic& oLogic) {
    log_.push_back("black.setLogic()");
    logic_ = &oLogic;
}

std::unique_ptr<BlackInterface> FakeWindowFactory::createBlack() {
    log_.push_back("createBlack()");
    auto made = std::make_unique<FakeBlack>(sys_, log_);
    black = made.get();
    return made;
}

std::unique_ptr<OptionsInterface> FakeWindowFactory::loadOptions() {
    log_.push_back("loadOptions()");
    auto made = std::make_unique<FakeOptions>(sys_, log_);
    options = made.get();
    return made;
}

std::unique_ptr<VisualInterface> FakeWindowFactory::loadVisual() {
    log_.push_back("loadVisual()");
    auto made = std::make_unique<FakeVisual>(sys_, log_);
    visual = made.get();
    return made;
}

}  // namespace fakes
