// The board's picture templates: hidden controls of the game window that
// only lend their pictures to the grid, the falling block and the board area.
#include "window/visual_window.h"

using plat::ControlKind;

namespace {

const char* const kPipesCells[] = {"emp", "H", "H0", "V", "v0", "hv", "hv0", "h0v", "h0v0"};
const char* const kBranchesCells[] = {"empB", "HB", "H0B", "VB", "V0B", "HVB", "HV0B", "H0VB", "H0V0B"};
const char* const kLasers[] = {"laserv", "laserh", "laservb", "laserhb"};
const char* const kBackgrounds[] = {"geysir0", "geysir1", "eldfell", "sheep", "waterf"};

}  // namespace

void VisualWindow::designTemplates() {
    for (const char* name : kPipesCells) {
        // Borderless picture boxes of 41 x 33 pixels; only their picture counts.
        plat::Control& c = addControl(ControlKind::PictureBox, name, nullptr, 0, 0, 615, 495);
        c.setPicture(picture(name));
        c.setVisible(false);
    }
    auto image = [this](const std::string& name) {
        plat::Control& c = addControl(ControlKind::Image, name, nullptr, 0, 0, 0, 0);
        c.setPicture(picture(name));
        c.setVisible(false);
    };
    for (const char* name : kBranchesCells) image(name);
    for (int kind = 1; kind <= 11; ++kind) {
        image("p" + std::to_string(kind));
        image("p" + std::to_string(kind) + "b");
    }
    for (const char* name : kLasers) image(name);
    for (const char* name : kBackgrounds) image(name);
}
