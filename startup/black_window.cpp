#include "startup/black_window.h"

#include "rules/logic.h"
#include "shared/picture_catalogue.h"

BlackWindow::BlackWindow(Program& program)
    : form_(program.sys, "black"),
      timer1_(form_.addTimer("Timer1", 2000)),
      splash_(form_.add(plat::ControlKind::Image, "splash")) {
    form_.setBackColor({0, 0, 0});
    form_.setLeft(390);
    form_.setTop(810);
    form_.setWidth(12030);
    form_.setHeight(8655);
    timer1_.setEnabled(false);
    timer1_.onTimer = [this] { Timer1_Timer(); };
    splash_.setBounds(4155, 2610, 7365, 6000);
    splash_.setVisible(false);
    splash_.setPicture(program.pictures.get(catalogue::SplashPicture));
}

// Centres the splash picture, to the fraction of a twip, and shows it.
void BlackWindow::ShowSplash() {
    splash_.setTop((form_.height() - splash_.height()) / 2);
    splash_.setLeft((form_.width() - splash_.width()) / 2);
    splash_.setVisible(true);
}

// The splash time is over: the timer fires only this once, and the window
// stays on the screen as a backdrop that takes no input.
void BlackWindow::splashDone() {
    timer1_.setEnabled(false);
    form_.setEnabled(false);
    oLogic_->splashDone();
}
