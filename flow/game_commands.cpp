// The game's states outside the board: the letter keys, the Return key,
// starting a game, the pause flag and leaving the program, by EXIT or when
// the desktop ends it.
#include "rules/logic.h"

void logic::KeyPressed(Integer KeyAscii) {
    if (iState == NamePending) {
        NameEntry(KeyAscii);
        return;
    }
    switch (KeyAscii) {
        case 'p':
        case 'P':
            if (visual_->Timer1().enabled() && !visual_->pause().visible()) {
                visual_->pause().setVisible(true);
                iPaused = PauseOn;
            }
            break;
        case 's':
        case 'S': visual_->StartClick(); break;
        case 'o':
        case 'O': visual_->OptionsMouseDown(); break;
        case 'i':
        case 'I': visual_->InfoClick(); break;
        case 'c':
        case 'C': visual_->ScoresClicked(); break;
        case 'e':
        case 'E': visual_->ExitClicked(); break;
        case 'h':
        case 'H': visual_->HelpClicked(); break;
        default: break;
    }
}

// The first test also asks for a pending name, so that Return never ends a
// running game, whatever the prompt's own setting says.
void logic::ReturnPressed() {
    if (visual_->EnterYourName().visible() && iState == NamePending) {
        EndPendingName();
    } else if (visual_->topTen().visible()) {
        visual_->topTen().setVisible(false);
    } else if (visual_->message().visible() || visual_->message3().visible()) {
        visual_->MessageOff();
    } else if (visual_->pause().visible()) {
        visual_->pause().setVisible(false);  // iPaused stays: the next move ends it
    } else if (visual_->gameOver().visible()) {
        visual_->DisableGameOver();
        InputName();
    }
}

// A name entry still on show ends with the old game: its prompt, highlighted
// field and blinking cursor would otherwise wait, unseen in the hidden table,
// and the next game's entry would find them.
void logic::StartNewGame() {
    if (visual_->EnterYourName().visible()) LeaveEditMode();
    ClearBoxes();
    visual_->ClearBugLasers();
    visual_->DisableGameOver();
    iState = NewBlockDue;
    plat::Timer& tick = visual_->Timer1();
    tick.setEnabled(true);
    iLevel = iStartLevel;
    iGameStartLevel = iStartLevel;
    ChangeBackgroundPicture();
    visual_->center().setVisible(true);
    visual_->level().setCaption(plat::digits(iLevel));
    lScore = 0;
    visual_->score().setCaption("0");
    tick.setInterval(FirstLevelInterval);
    for (int i = 1; i < iLevel; ++i) tick.setInterval(FasterInterval(tick.interval()));
    visual_->center().setEnabled(true);
    iBoxCount = 0;
}

void logic::SetPaused(bool value) { iPaused = value ? PauseOn : PauseOff; }

// A failed write of the table does not keep the player in the game.
void logic::ExitPressed() {
    WriteTopTen();
    visual_->MessageOff();
    sys_.DoEvents();
    visual_->center().setVisible(false);
    EndGame();
}

// The desktop ends the program (its window closed, a logout, the terminal
// gone, Ctrl+C): the run leaves as through EXIT, whatever was open ending
// as EXIT ends it, and the table is written. On the title screen the table
// has not been read yet: nothing of this run is there to keep, and the
// player's file must not be overwritten by the default rows.
void logic::CloseRequested() {
    if (bTopTenRead) visual_->ExitClicked();
    EndGame();
}

void logic::EndGame() {
    sys_.setScreenPointer(plat::PointerDefault);
    sys_.end();
}
