// Painting blocks: the falling block as one picture, a landed block as four
// cell images drawn in the picture set recorded for its position.
#include "display/block_kinds.h"
#include "display/board_geometry.h"
#include "rules/logic.h"
#include "shared/picture_catalogue.h"
#include "window/visual_window.h"

using board::firstIndex;

void VisualWindow::PaintTemp(Integer iY, Integer iX, Integer iUp, Integer iDown, Integer iLeft, Integer iRight) {
    bool set = branches();
    if (int kind = board::kindOf(iUp, iDown, iLeft, iRight)) {
        boxtemp1_->setPicture(templ(catalogue::blockPicture(kind, set)).picture());
        boxtemp1_->setTag(plat::digits(kind));
    }
    MoveTemp(iY, iX);
    boxtemp1_->setVisible(true);
    sys_.DoEvents();
}

void VisualWindow::MoveTemp(Integer iY, Integer iX) {
    boxtemp1_->setLeft(board::blockLeftTwips(iX, program_.iTwipsX));
    boxtemp1_->setTop(board::blockTopTwips(iY, program_.iTwipsY));
    sys_.DoEvents();
}

void VisualWindow::RemoveTemp() {
    boxtemp1_->setVisible(false);
    sys_.DoEvents();
}

void VisualWindow::SaveTemp(Integer iY, Integer iX) {
    Integer k = firstIndex(iY, iX);
    bool set = branches();
    int kind = board::tagNumber(boxtemp1_->tag());
    if (kind >= 1 && kind <= BlockKinds) {
        board::Pipes p = board::kindPipes(kind);
        for (int n = 1; n <= board::PiecesPerPosition; ++n) {
            std::string name = board::cellPicture(board::cellHorizontal(p, n), board::cellVertical(p, n), set);
            box1(k + n).setPicture(templ(name).picture());
        }
    }
    box1(k + 1).setTag(plat::digits(oLogic->BlockType()));
    setBoxesVisible(iY, iX, true);
    sys_.DoEvents();
}

void VisualWindow::PaintChange(Integer iY, Integer iX, Integer iUp, Integer iDown, Integer iLeft, Integer iRight) {
    Integer k = firstIndex(iY, iX);
    bool set = board::tagNumber(box1(k + 1).tag()) != 0;
    board::Pipes p{iUp, iDown, iLeft, iRight};
    for (int n = 1; n <= board::PiecesPerPosition; ++n) {
        std::string name = board::cellPicture(board::cellHorizontal(p, n), board::cellVertical(p, n), set);
        box1(k + n).setPicture(templ(name).picture());
    }
    setBoxesVisible(iY, iX, true);
    sys_.DoEvents();
}
