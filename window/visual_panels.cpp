// Opening and closing the panels, the pause picture and the game-over
// picture, and what a click on each panel does.
#include "rules/logic.h"
#include "window/visual_window.h"

void VisualWindow::setLogic(logic& oLogic_) { oLogic = &oLogic_; }

void VisualWindow::playSound(catalogue::Sound sound, int flags) {
    if (oLogic->Sound() == SoundOn) program_.sndPlaySound(sound, flags);
}

void VisualWindow::MessageOff() {
    message_->setVisible(false);
    message3_->setVisible(false);
    sys_.DoEvents();
    playSound(catalogue::OffSound, SoundOnce);
}

void VisualWindow::EnableGameOver() {
    gameOver_->setVisible(true);
    gameOverTimer_->setEnabled(true);
}

void VisualWindow::DisableGameOver() {
    gameOver_->setVisible(false);
    gameOverTimer_->setEnabled(false);
}

void VisualWindow::gameOverTimer_Timer() {
    DisableGameOver();
    oLogic->InputName();
}

void VisualWindow::pause_Click() {
    if (!pause_->visible()) return;
    pause_->setVisible(false);
    oLogic->SetPaused(false);
    Timer1_->setEnabled(true);
}

// The game-over picture ended here, before its timer, never opens the name
// entry: a pending name is done with what was typed during the picture.
void VisualWindow::closeTextPanels() {
    if (gameOver_->visible()) oLogic->EndPendingName();
    MessageOff();
    DisableGameOver();
}

// The table closed over a name entry takes the entry with it.
void VisualWindow::hideTopTen() {
    if (topTen_->visible() && EnterYourName().visible()) oLogic->EndPendingName();
    topTen_->setVisible(false);
}

void VisualWindow::message3_Click() {
    MessageOff();
    oLogic->ReturnPressedInOptions();
}

void VisualWindow::wirePanelClicks() {
    auto onClick = [this](const std::string& name, int index, plat::Handler h) { form_.get(name, index).onClick = h; };
    auto close = [this] { closeTextPanels(); };
    auto hide = [this] { hideTopTen(); };

    pause_->onClick = [this] { pause_Click(); };
    onClick("message", -1, close);
    // Every line of the instructions but the pause hint closes the panels.
    for (const char* name : {"Label4", "Label5", "Label2", "Label6", "Label3", "Label7", "Label15"})
        onClick(name, -1, close);
    onClick("message3", -1, [this] { message3_Click(); });
    onClick("Label9", -1, close);
    onClick("Label11", -1, close);  // the title line closes like the rest

    topTen_->onMouseDown = [this](int, int, double, double) { hideTopTen(); };
    for (const char* name : {"Label8", "Label22", "Label23"}) onClick(name, -1, hide);
    for (int row = 0; row < TopTenRows; ++row)
        for (const char* name : {"topName", "topLevel", "topScore"}) onClick(name, row, hide);
    for (const char* name : {"Label16", "Label18", "Label17"}) onClick(name, -1, close);
}
