// The player's moves on the falling block: turn, left, right, the Down key,
// the mouse drop and the mouse steering. They act only while a block falls.
#include "rules/logic.h"

void logic::EndPause() {
    visual_->pause().setVisible(false);
    iPaused = PauseOff;
}

// The next regular tick comes one full interval after the key.
void logic::RestartTick() {
    visual_->Timer1().setEnabled(false);
    visual_->Timer1().setEnabled(true);
}

void logic::RotateKeyPressed() {
    if (iState != BlockFalling) return;
    if (iPaused == PauseOff)
        RotateTemp();
    else
        EndPause();
}

void logic::LeftKeyPressed() {
    if (iState != BlockFalling) return;
    if (iPaused != PauseOff) {
        EndPause();
        return;
    }
    if (iTempX > 1 && iBoardUp[iTempY][iTempX - 1] == NoBlock) {
        iTempX = Integer(iTempX - 1);
        visual_->MoveTemp(iTempY, iTempX);
    }
}

void logic::RightKeyPressed() {
    if (iState != BlockFalling) return;
    if (iPaused != PauseOff) {
        EndPause();
        return;
    }
    if (iTempX < BoardColumns && iBoardUp[iTempY][iTempX + 1] == NoBlock) {
        iTempX = Integer(iTempX + 1);
        visual_->MoveTemp(iTempY, iTempX);
    }
}

void logic::DownKeyPressed() {
    if (iState != BlockFalling || !bFalling) return;
    if (iPaused != PauseOff) {
        EndPause();
        return;
    }
    Timer();
    RestartTick();
}

// Drops to the lowest empty row down to row 2; the step that follows
// settles it. The pause is not looked at.
void logic::DownMousePressed() {
    if (iState != BlockFalling || !bFalling) return;
    Integer top = Integer(iTempY - 1);
    for (Integer row = top; row >= 2; --row)
        if (iBoardUp[row][iTempX] == NoBlock) iTempY = row;
    Timer();
    RestartTick();
}

void logic::MouseToCol(Integer iX) {
    if (iState != BlockFalling || iX > BoardColumns || iX < 1 || iX == iTempX || iPaused == PauseOn) return;
    int step = iX < iTempX ? -1 : 1;
    for (Integer c = Integer(iTempX + step); c != iX + step; c = Integer(c + step)) {
        if (iBoardUp[iTempY][c] != NoBlock) break;
        iTempX = c;
    }
    visual_->MoveTemp(iTempY, iTempX);
}
