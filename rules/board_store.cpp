// The board store: writing, removing and clearing blocks, turning the
// falling block, and the board's background by level.
#include "rules/logic.h"

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
    const char* name = nullptr;
    switch (iLevel) {
        case 1: case 6: name = "geysir0"; break;
        case 2: case 7: name = "geysir1"; break;
        case 3: case 8: name = "eldfell"; break;
        case 4: case 9: name = "sheep"; break;
        case 5: case 10: name = "waterf"; break;
        default: return;  // any other level keeps the board's picture
    }
    visual_->center().setPicture(visual_->backgroundImage(name).picture());
}
