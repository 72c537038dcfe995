// The board store: writing, removing and clearing blocks, turning the
// falling block, and the board's background by level.
#include "rules/logic.h"
#include "shared/picture_catalogue.h"

void logic::SaveTemp() {
    iBoardUp[iTempY][iTempX] = iTempUp;
    iBoardDown[iTempY][iTempX] = iTempDown;
    iBoardLeft[iTempY][iTempX] = iTempLeft;
    iBoardRight[iTempY][iTempX] = iTempRight;
    visual_->SaveTemp(iTempY, iTempX);
}

void logic::Remove(Integer iY, Integer iX) {
    iBoardUp[iY][iX] = NoBlock;
    iBoardDown[iY][iX] = NoBlock;
    iBoardLeft[iY][iX] = NoBlock;
    iBoardRight[iY][iX] = NoBlock;
    visual_->Remove(iY, iX);
}

void logic::ClearBoxes() {
    for (int row = 1; row <= BoardRows; ++row)
        for (int col = 1; col <= BoardColumns; ++col) {
            iBoardUp[row][col] = NoBlock;
            iBoardDown[row][col] = NoBlock;
            iBoardLeft[row][col] = NoBlock;
            iBoardRight[row][col] = NoBlock;
        }
    visual_->ClearBoxes();
}

void logic::RotateTemp() {
    // A quarter turn clockwise.
    Integer oldUp = iTempUp;
    iTempUp = iTempLeft;
    iTempLeft = iTempDown;
    iTempDown = iTempRight;
    iTempRight = oldUp;
    visual_->PaintTemp(iTempY, iTempX, iTempUp, iTempDown, iTempLeft, iTempRight);
}

void logic::ChangeBackgroundPicture() {
    const char* name = catalogue::levelBackground(iLevel);
    if (!name) return;  // any other level keeps the board's picture
    visual_->center().setPicture(visual_->backgroundImage(name).picture());
}
