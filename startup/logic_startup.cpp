// Construction of the game object in start-up order, and the two calls the
// windows make back during start-up.
#include "rules/logic.h"

logic::logic(Program& program, WindowFactory& windows) : program_(program), sys_(program.sys) {
    bFalling = true;
    iPaused = 0;
    iState = NoGame;
    sys_.onCloseRequest = [this] { CloseRequested(); };

    // The title window covers the whole screen, however wide it is.
    double screenHeight = sys_.screenHeightTwips();
    double screenWidth = sys_.screenWidthTwips();
    black_ = windows.createBlack();
    black_->form().setWidth(screenWidth);
    black_->form().setHeight(screenHeight);
    black_->form().setTop(0);
    black_->form().setLeft(0);
    black_->setLogic(*this);
    black_->form().show();
    black_->ShowSplash();
    sys_.DoEvents();

    ReadOptions();

    options_ = windows.loadOptions();
    options_->setLogic(*this);
    visual_ = windows.loadVisual();
    visual_->setLogic(*this);
    visual_->Init();  // ends by calling VisualInitDone
}

logic::~logic() { sys_.onCloseRequest = nullptr; }

void logic::VisualInitDone() { black_->Timer1().setEnabled(true); }

void logic::splashDone() {
    black_->splash().setVisible(false);
    sys_.DoEvents();
    visual_->form().show();
    ClearBoxes();
    sys_.DoEvents();
    visual_->Timer1().setEnabled(false);
    ReadTopTen();
    bTopTenRead = true;
}
