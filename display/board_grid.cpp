// The board's picture grid: four cell images and four laser pieces per board
// position, created once, then only shown, hidden and re-pictured.
#include "display/board_geometry.h"
#include "rules/logic.h"
#include "shared/picture_catalogue.h"
#include "window/visual_window.h"

using board::firstIndex;

bool VisualWindow::branches() const { return oLogic->BlockType() != PipesSet; }

void VisualWindow::createPosition(Integer iY, Integer iX) {
    Integer k = firstIndex(iY, iX);
    for (int n = 1; n <= board::PiecesPerPosition; ++n) wireCellEvents(form_.loadElement(box1(1), k + n));
    const plat::Control& laserTemplate = laser(0);
    bool set = branches();
    for (int n = 1; n <= board::PiecesPerPosition; ++n) {
        form_.loadElement(laserTemplate, k + n)
            .setPicture(templ(catalogue::laserPicture(n <= LaserRight, set)).picture());
    }
}

void VisualWindow::placePosition(Integer iY, Integer iX) {
    Integer k = firstIndex(iY, iX);
    auto place = [this](plat::Control& c, board::Pixel p) {
        c.setLeft(Integer(p.x * program_.iTwipsX));
        c.setTop(Integer(p.y * program_.iTwipsY));
    };
    for (int n = 1; n <= board::PiecesPerPosition; ++n) place(box1(k + n), board::cellCorner(iY, iX, n));
    for (int n = 1; n <= board::PiecesPerPosition; ++n) place(laser(k + n), board::laserCorner(iY, iX, n));
}

void VisualWindow::Init() {
    for (Integer iY = 1; iY <= BoardRows; ++iY)
        for (Integer iX = 1; iX <= BoardColumns; ++iX) {
            createPosition(iY, iX);
            placePosition(iY, iX);
            box1(firstIndex(iY, iX) + 1).setTag(plat::digits(oLogic->BlockType()));
        }
    sys_.DoEvents();
    oLogic->VisualInitDone();
}

void VisualWindow::setLaserPictures(Integer iY, Integer iX) {
    Integer k = firstIndex(iY, iX);
    bool set = branches();
    const plat::PictureRef& vertical = templ(catalogue::laserPicture(true, set)).picture();
    const plat::PictureRef& horizontal = templ(catalogue::laserPicture(false, set)).picture();
    for (int n = 1; n <= board::PiecesPerPosition; ++n)
        laser(k + n).setPicture(n <= LaserRight ? vertical : horizontal);
}

void VisualWindow::ReInitSmallLasers() {
    for (Integer iY = 1; iY <= BoardRows; ++iY)
        for (Integer iX = 1; iX <= BoardColumns; ++iX) setLaserPictures(iY, iX);
}

void VisualWindow::setLaserVisible(Integer iY, Integer iX, Integer iNr, bool shown) {
    if (iNr >= LaserLeft && iNr <= LaserDown) laser(firstIndex(iY, iX) + iNr).setVisible(shown);
    sys_.DoEvents();
}

void VisualWindow::PaintLaserCorr(Integer iY, Integer iX, Integer iNr) { setLaserVisible(iY, iX, iNr, true); }

void VisualWindow::ClearLaserCorr(Integer iY, Integer iX, Integer iNr) { setLaserVisible(iY, iX, iNr, false); }

void VisualWindow::ClearBugLasers() {
    for (Integer iY = 1; iY <= BoardRows; ++iY)
        for (Integer iX = 1; iX <= BoardColumns; ++iX)
            for (int n = 1; n <= board::PiecesPerPosition; ++n) laser(firstIndex(iY, iX) + n).setVisible(false);
}

void VisualWindow::setBoxesVisible(Integer iY, Integer iX, bool shown) {
    Integer k = firstIndex(iY, iX);
    for (int n = 1; n <= board::PiecesPerPosition; ++n) box1(k + n).setVisible(shown);
}

void VisualWindow::Remove(Integer iY, Integer iX) {
    setBoxesVisible(iY, iX, false);
    sys_.DoEvents();
}

void VisualWindow::ClearBoxes() {
    for (Integer iY = 1; iY <= BoardRows; ++iY)
        for (Integer iX = 1; iX <= BoardColumns; ++iX) setBoxesVisible(iY, iX, false);
}
