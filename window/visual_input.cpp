// Keys, mouse actions and timer ticks, each handed on to the game object.
#include "platform/input.h"
#include "rules/logic.h"
#include "shared/game_codes.h"
#include "window/visual_window.h"

#include <algorithm>
#include <cmath>

void VisualWindow::wireInput() {
    form_.onKeyDown = [this](int keyCode, int shift) { Form_KeyDown(keyCode, shift); };
    form_.onKeyPress = [this](int ascii) { Form_KeyPress(ascii); };
    form_.onMouseDown = [this](int button, int, double, double) { Form_MouseDown(button); };
    form_.onDblClick = [this] { Form_DblClick(); };
    center_->onMouseDown = [this](int button, int, double, double) { center_MouseDown(button); };
    center_->onDblClick = [this] { Form_DblClick(); };  // the same as on the bare window
    center_->onMouseMove = [this](int, int, double x, double) { center_MouseMove(x); };
    boxtemp1_->onMouseDown = [this](int button, int, double, double) { boxtemp1_MouseDown(button); };
    boxtemp1_->onDblClick = [this] { oLogic->RotateKeyPressed(); };
}

void VisualWindow::wireCellEvents(plat::Control& cell) {
    int index = cell.index();
    cell.onMouseDown = [this](int button, int, double, double) { box1_MouseDown(button); };
    cell.onDblClick = [this] { oLogic->RotateKeyPressed(); };
    cell.onMouseMove = [this, index](int, int, double, double) { box1_MouseMove(index); };
}

void VisualWindow::Form_KeyDown(int keyCode, int) {
    switch (keyCode) {
        case plat::KeyUp: oLogic->RotateKeyPressed(); break;
        case plat::KeyDown: oLogic->DownKeyPressed(); break;
        case plat::KeyLeft: oLogic->LeftKeyPressed(); break;
        case plat::KeyRight: oLogic->RightKeyPressed(); break;
        case plat::KeyReturn: oLogic->ReturnPressed(); break;
        case plat::KeyEscape:
            if (sys_.msgBox("Do you really want to quit Corvane", YesNoCriticalDefaultNo, "System message") ==
                plat::AnswerYes)
                oLogic->ExitPressed();
            break;
        default: break;
    }
}

void VisualWindow::Form_KeyPress(int keyAscii) {
    Integer copy = Integer(keyAscii);
    oLogic->KeyPressed(copy);
}

// A press on the bare window closes whatever is open, then acts as a turn in
// mouse control.
void VisualWindow::Form_MouseDown(int button) {
    pause_->setVisible(false);
    oLogic->SetPaused(false);
    hideTopTen();
    highlights_[ScoresSpot]->setVisible(false);
    closeTextPanels();
    oLogic->ReturnPressedInOptions();
    if (oLogic->Control() == MouseControl && button == plat::LeftButton) oLogic->RotateKeyPressed();
}

void VisualWindow::Form_DblClick() {
    if (oLogic->Control() != MouseControl) return;
    oLogic->RotateKeyPressed();
    oLogic->RotateKeyPressed();
}

void VisualWindow::center_MouseDown(int button) {
    if (oLogic->Control() == MouseControl && button == plat::LeftButton) oLogic->RotateKeyPressed();
}

// Mouse steering: the column under the pointer, BlockPitch pixels a column. Left of
// the board the column drops below 1, which the game ignores.
void VisualWindow::center_MouseMove(double x) {
    if (oLogic->Control() != MouseControl) return;
    double column = std::floor(x / (double(BlockPitch) * program_.iTwipsX)) + 1;
    Integer iX = Integer(std::clamp(column, -32768.0, 32767.0));
    oLogic->MouseToCol(iX);
}

void VisualWindow::boxtemp1_MouseDown(int button) {
    if (button == plat::LeftButton)
        oLogic->RotateKeyPressed();
    else if (button == plat::RightButton)
        oLogic->DownKeyPressed();
}

void VisualWindow::box1_MouseDown(int button) {
    if (button == plat::LeftButton)
        oLogic->RotateKeyPressed();
    else if (button == plat::RightButton)
        oLogic->DownMousePressed();
}

// The column of a landed block's cell: its left edge over the column pitch,
// to the nearest whole column, so its right cells steer one column further.
void VisualWindow::box1_MouseMove(int index) {
    double column = box1(index).left() / (double(BlockPitch) * program_.iTwipsX) + 1;
    Integer iX = Integer(plat::roundHalfEven(column));
    oLogic->MouseToCol(iX);
}

void VisualWindow::Timer1_Timer() { oLogic->Timer(); }

void VisualWindow::CursorTimer_Timer() { oLogic->CursorTimer(); }
