// Loading the game window: its own looks, the board area with what lies in
// it, the score labels and the timers, then its size and place on the screen.
#include "shared/game_window_place.h"
#include "shared/picture_catalogue.h"
#include "window/visual_window.h"

using plat::Color;
using plat::ControlKind;

VisualWindow::VisualWindow(Program& program) : program_(program), sys_(program.sys), form_(program.sys, "visual") {
    Form_Load();
}

void VisualWindow::Form_Load() {
    designWindow();
    designTemplates();
    designCenter();
    designScoreLabels();
    designMenu();
    designMessage();
    designMessage3();
    designTopTen();
    designTimers();
    wirePanelClicks();
    wireInput();
    placeOnScreen();
}

plat::Control& VisualWindow::addControl(ControlKind kind, const std::string& name, plat::Control* parent, double left,
                                        double top, double width, double height, int index) {
    plat::Control& c = form_.add(kind, name, parent, index);
    c.setBounds(left, top, width, height);
    return c;
}

void VisualWindow::designWindow() {
    form_.setBackColor(Color{192, 255, 192});
    form_.setPicture(picture(catalogue::ArtworkPicture));
    form_.setMouseIcon(program_.cursor(catalogue::WindowPointer));
    form_.setMousePointer(plat::PointerCustom);
}

// The board area; inside it, back to front: the grid's two templates, the
// falling block, the pause picture and the game-over picture.
void VisualWindow::designCenter() {
    center_ = &addControl(ControlKind::PictureBox, "center", nullptr, 2475, 390, 4455, 6360);
    center_->setVisible(false);
    center_->setEnabled(false);
    center_->setMouseIcon(program_.cursor(catalogue::BoardPointer));

    // The grid's templates; new elements start as copies of them.
    addControl(ControlKind::Image, "box1", center_, 15, 0, 1215, 975, 1).setVisible(false);
    plat::Control& laserTemplate = addControl(ControlKind::Image, "laser", center_, 4425, 270, 60, 30, 0);
    laserTemplate.setPicture(picture("laserv"));
    laserTemplate.setVisible(false);

    boxtemp1_ = &addControl(ControlKind::Image, "boxtemp1", center_, 255, 1305, 615, 615);
    boxtemp1_->setVisible(false);

    auto overBoard = [this](const char* name, double left) {
        plat::Control& c = addControl(ControlKind::PictureBox, name, center_, left, 1680, 3000, 3000);
        c.setAutoSize(true);
        c.setPicture(picture(name));
        c.setVisible(false);
        return &c;
    };
    pause_ = overBoard(catalogue::PausePicture, 720);
    gameOver_ = overBoard(catalogue::GameOverPicture, 735);
}

void VisualWindow::designScoreLabels() {
    const std::pair<const char*, double> labels[] = {{"score", 1560}, {"level", 3000}, {"hiscore", 4309}};
    for (const auto& [name, top] : labels) {
        plat::Control& c = addControl(ControlKind::Label, name, nullptr, 7488, top, 1605, 615);
        c.setFont(plat::Font{"MS Sans Serif", 18, true});
        c.setForeColor(Color{255, 255, 192});
        c.setOpaque(false);
        c.setAlignment(plat::Align::Center);
    }
}

void VisualWindow::designTimers() {
    Timer1_ = &form_.addTimer("Timer1", 300);
    CursorTimer_ = &form_.addTimer("CursorTimer", 1000);
    gameOverTimer_ = &form_.addTimer("gameOverTimer", 2000);
    Timer1_->onTimer = [this] { Timer1_Timer(); };
    CursorTimer_->onTimer = [this] { CursorTimer_Timer(); };
    gameOverTimer_->onTimer = [this] { gameOverTimer_Timer(); };
}

// 640 x 480 pixels, centred. The screen's size is taken in floating point,
// so screens of any width centre correctly; a centre half a pixel off goes
// to the next whole pixel, where the options dialog expects the window.
void VisualWindow::placeOnScreen() {
    WindowPlace place = gameWindowPlace(sys_, program_.iTwipsX, program_.iTwipsY);
    form_.setWidth(place.width);
    form_.setHeight(place.height);
    form_.setTop(place.top);
    form_.setLeft(place.left);
}
