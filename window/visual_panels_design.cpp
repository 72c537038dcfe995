// The panels laid over the board: instructions, information and the top-ten
// table, in this order from back to front.
#include <tuple>

#include "shared/game_codes.h"
#include "window/visual_window.h"

using plat::Color;
using plat::ControlKind;

namespace {

constexpr Color kNavy{0, 0, 128};
constexpr Color kWhite{255, 255, 255};
constexpr Color kYellow{255, 255, 0};
const plat::Font kHeading{"MS Sans Serif", 8.25, true};

plat::Control& panel(plat::Control& c, Color back) {
    c.setBackColor(back);
    c.setVisible(false);
    return c;
}

}  // namespace

plat::Control& VisualWindow::addPanelLine(plat::Control& panel, const std::string& name, double left, double top,
                                          double width, double height, const std::string& text) {
    plat::Control& c = addControl(ControlKind::Label, name, &panel, left, top, width, height);
    c.setCaption(text);
    c.setBackColor(kNavy);
    c.setForeColor(kWhite);
    return c;
}

// A panel's title line: yellow, bold.
plat::Control& VisualWindow::addPanelTitle(plat::Control& panel, const std::string& name, double left, double top,
                                           double width, const std::string& text) {
    plat::Control& c = addPanelLine(panel, name, left, top, width, 270, text);
    c.setForeColor(kYellow);
    c.setFont(kHeading);
    return c;
}

void VisualWindow::designMessage() {
    message_ = &panel(addControl(ControlKind::PictureBox, "message", nullptr, 2476, 390, 4449, 6360), kNavy);
    addPanelTitle(*message_, "Label4", 125, 240, 2970, "GAME INSTRUCTIONS");
    addPanelLine(*message_, "Label5", 125, 570, 6900, 270, "Blocks with pipes embedded in them falls from the sky.");
    addPanelLine(*message_, "Label2", 125, 870, 6900, 270, "Line up three or more pipe sections and a laser removes");
    addPanelLine(*message_, "Label6", 125, 1200, 6900, 270,
                 "them; remove all the sections of pipe from a given block,");
    addPanelLine(*message_, "Label3", 125, 1515, 6900, 270, "and it disappears.");
    addPanelLine(*message_, "Label7", 125, 1860, 6900, 270,
                 "Control the blocks by using the cursor keys or the mouse.");
    addPanelLine(*message_, "Label24", 125, 2145, 6900, 270, "Press \"P\" to pause.");
    addPanelLine(*message_, "Label15", 125, 6075, 6315, 210, "[ Click Enter or Mouse Button to Return ]");
}

void VisualWindow::designMessage3() {
    message3_ = &panel(addControl(ControlKind::PictureBox, "message3", nullptr, 2475, 375, 4449, 6360), kNavy);
    addPanelTitle(*message3_, "Label11", 120, 75, 6690, "CORVANE ver 2.0");
    addPanelLine(*message3_, "Label9", 135, 6045, 6315, 210, "[ Click Enter or Mouse Button to Return ]");
}

void VisualWindow::designTopTen() {
    topTen_ = &panel(addControl(ControlKind::PictureBox, "topTen", nullptr, 2476, 375, 4455, 6360), Color{64, 0, 64});
    topTen_->setMouseIcon(program_.cursor(catalogue::BoardPointer));
    topTen_->setMousePointer(plat::PointerCustom);

    struct Heading {
        const char* name;
        const char* text;
        double left, top, width, height;
        plat::Align align;
    };
    // The first line's headings end where the second line begins.
    const Heading headings[] = {
        {"Label8", "NAME", 165, 315, 750, 255, plat::Align::Left},
        {"Label16", "START", 1170, 330, 1095, 240, plat::Align::Center},
        {"Label18", "LEVEL", 1185, 570, 1095, 330, plat::Align::Center},
        {"Label17", "END", 2325, 330, 795, 240, plat::Align::Center},
        {"Label22", "LVL", 2175, 570, 1095, 330, plat::Align::Center},
        {"Label23", "SCORE", 3015, 345, 1455, 330, plat::Align::Center},
    };
    for (const Heading& h : headings) {
        plat::Control& c = addControl(ControlKind::Label, h.name, topTen_, h.left, h.top, h.width, h.height);
        c.setCaption(h.text);
        c.setFont(plat::Font{"Courier New", 14.25, true});
        c.setForeColor(Color{0, 192, 0});
        c.setOpaque(false);
        c.setAlignment(h.align);
    }
    designTopTenRows();

    plat::Control& prompt = addControl(ControlKind::Label, "EnterYourName", topTen_, 705, 5595, 2955, 345);
    prompt.setCaption(" Enter your Name!");
    prompt.setFont(plat::Font{"Courier New", 14.25, true});
    prompt.setBackColor(kWhite);
    prompt.setForeColor(Color{0, 0, 0});
    prompt.setVisible(false);
    for (auto [name, left, top, width, height] :
         {std::tuple{"cursorBig", 3840, 5300, 255, 465}, std::tuple{"cursorSmall", 3990, 5895, 225, 150}}) {
        plat::Control& c = addControl(ControlKind::PictureBox, name, topTen_, left, top, width, height);
        c.setBackColor(Color{0, 192, 0});
        c.setVisible(false);
    }
    plat::Control& unused = addControl(ControlKind::Image, "laser", topTen_, 0, 0, 0, 0, 1);
    unused.setPicture(picture("laserv"));
    unused.setVisible(false);
}

void VisualWindow::designTopTenRows() {
    const double nameTop[TopTenRows] = {1170, 1560, 1980, 2385, 2790, 3180, 3600, 3990, 4395, 4800};
    struct Column {
        const char* name;
        double outerLeft, width;  // rows 2..7 sit 15 twips further left
        plat::Align align;
        const char* text;
        double topShift[2];  // against the name column: rows 0 / rows 1..9
    };
    const Column columns[] = {
        {"topName", 255, 540, plat::Align::Left, "Name", {0, 0}},
        {"startLevel", 1440, 570, plat::Align::Center, "Level", {0, 30}},
        {"topLevel", 2430, 570, plat::Align::Center, "Level", {-15, 15}},
        {"topScore", 2730, 1455, plat::Align::Right, "Score", {-15, 15}},
    };
    for (const Column& col : columns)
        for (int row = 0; row < TopTenRows; ++row) {
            double left = col.outerLeft - ((row >= 2 && row <= 7) ? 15 : 0);
            double top = nameTop[row] + col.topShift[row == 0 ? 0 : 1];
            plat::Control& c = addControl(ControlKind::Label, col.name, topTen_, left, top, col.width, 330, row);
            c.setCaption(col.text);
            c.setFont(plat::Font{"Courier New", 14.25, true});
            c.setForeColor(Color{255, 255, 192});
            c.setOpaque(false);
            c.setAlignment(col.align);
        }
}
