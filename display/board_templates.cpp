// The board's picture templates: hidden controls of the game window that
// only lend their pictures to the grid, the falling block and the board area.
#include "shared/picture_catalogue.h"
#include "window/visual_window.h"

using plat::ControlKind;

void VisualWindow::designTemplates() {
    for (const catalogue::CellPicture& cell : catalogue::kCells) {
        // Borderless picture boxes of 41 x 33 pixels; only their picture counts.
        const char* name = cell.pipes;
        plat::Control& c = addControl(ControlKind::PictureBox, name, nullptr, 0, 0, 615, 495);
        c.setPicture(picture(name));
        c.setVisible(false);
    }
    auto image = [this](const std::string& name) {
        plat::Control& c = addControl(ControlKind::Image, name, nullptr, 0, 0, 0, 0);
        c.setPicture(picture(name));
        c.setVisible(false);
    };
    for (const catalogue::CellPicture& cell : catalogue::kCells) image(cell.branches);
    for (int kind = 1; kind <= int(catalogue::kKinds.size()); ++kind) {
        image(catalogue::blockPicture(kind, false));
        image(catalogue::blockPicture(kind, true));
    }
    for (bool branches : {false, true})
        for (bool vertical : {true, false}) image(catalogue::laserPicture(vertical, branches));
    for (const char* name : catalogue::kBackgrounds) image(name);
}
