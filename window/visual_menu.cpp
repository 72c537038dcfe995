// The menu painted into the artwork: six hot spots that light their
// highlight under the pointer, and the six menu actions.
#include <iterator>

#include "options/options_interface.h"
#include "rules/logic.h"
#include "shared/picture_catalogue.h"
#include "window/visual_window.h"

using plat::ControlKind;

namespace {

struct Place {
    double left, top, width, height;
};

struct MenuSpot {
    const char* spot;
    Place spotPlace;
    const char* highlight;
    Place highlightPlace;
};

// In the order of VisualWindow::Hotspot.
const MenuSpot kMenu[] = {
    {"start", {270, 2550, 1635, 615}, catalogue::StartHighlight, {300, 2565, 1545, 600}},
    {"optionsTouch", {255, 3435, 1965, 600}, catalogue::OptionsHighlight, {315, 3465, 1830, 540}},
    {"info", {270, 4275, 1395, 645}, catalogue::InfoHighlight, {270, 4245, 1515, 645}},
    {"scores", {255, 5100, 1755, 600}, catalogue::ScoresHighlight, {285, 5085, 1725, 600}},
    {"exit", {255, 5940, 1425, 630}, catalogue::ExitHighlight, {315, 5985, 1320, 540}},
    {"help", {7290, 5955, 1395, 645}, catalogue::HelpHighlight, {7350, 6015, 1260, 570}},
};

}  // namespace

void VisualWindow::designMenu() {
    plat::CursorRef hand = program_.cursor(catalogue::HandPointer);
    static_assert(std::size(kMenu) == Hotspots);
    for (size_t i = 0; i < Hotspots; ++i) {
        const MenuSpot& m = kMenu[i];
        const Place& s = m.spotPlace;
        addControl(ControlKind::Image, m.spot, nullptr, s.left, s.top, s.width, s.height).onMouseMove =
            [this, i](int, int, double, double) { hover(i); };
        const Place& h = m.highlightPlace;
        plat::Control& lit = addControl(ControlKind::Image, m.highlight, nullptr, h.left, h.top, h.width, h.height);
        lit.setPicture(picture(m.highlight));
        lit.setVisible(false);
        lit.setMouseIcon(hand);
        lit.setMousePointer(plat::PointerCustom);
        highlights_[i] = &lit;
    }
    auto press = [](plat::Handler action) { return [action](int, int, double, double) { action(); }; };
    highlights_[StartSpot]->onClick = [this] { StartClick(); };
    highlights_[OptionsSpot]->onMouseDown = press([this] { OptionsMouseDown(); });
    highlights_[InfoSpot]->onClick = [this] { InfoClick(); };
    highlights_[ScoresSpot]->onMouseDown = press([this] { ScoresClicked(); });
    highlights_[ExitSpot]->onClick = [this] { ExitClicked(); };
    highlights_[HelpSpot]->onMouseDown = press([this] { HelpClicked(); });
    form_.get("exit").onClick = [this] { exit_Click(); };
}

void VisualWindow::hover(size_t spot) {
    plat::Control& lit = *highlights_[spot];
    if (lit.visible()) return;
    lit.setVisible(true);
    playSound(catalogue::DownSound, SoundOnce);
    for (plat::Control* other : highlights_)
        if (other != &lit) other->setVisible(false);
}

// The rim of the EXIT hot spot, which its lit highlight leaves uncovered,
// leaves as EXIT does, table written: a click a few pixels off must not cost
// the run's scores.
void VisualWindow::exit_Click() { ExitClicked(); }

// Every menu action but EXIT begins here: a pause ends, picture and flag.
void VisualWindow::endPause() {
    pause_->setVisible(false);
    oLogic->SetPaused(false);
}

void VisualWindow::StartClick() {
    endPause();
    hideTopTen();
    closeTextPanels();
    oLogic->options().form().hide();
    sys_.DoEvents();
    oLogic->StartNewGame();
}

void VisualWindow::OptionsMouseDown() {
    endPause();
    hideTopTen();
    closeTextPanels();
    oLogic->OptionsPressed();
}

// INFO and HELP: the pause ends, the table and the options dialog are
// hidden, the event loop has a turn; then the panel opens, or, when it is
// already open, closes together with the other text panel and the game-over
// picture.
void VisualWindow::toggleTextPanel(plat::Control& panel) {
    endPause();
    hideTopTen();
    oLogic->options().form().hide();
    sys_.DoEvents();
    if (panel.visible()) {
        closeTextPanels();
        return;
    }
    panel.setVisible(true);
    sys_.DoEvents();
    if (&panel == message3_) playSound(catalogue::LeaveMeSound, SoundLooping);
}

void VisualWindow::InfoClick() { toggleTextPanel(*message3_); }

void VisualWindow::ScoresClicked() {
    endPause();
    closeTextPanels();
    oLogic->options().form().hide();
    sys_.DoEvents();
    if (!topTen_->visible()) {
        oLogic->ShowTopTen();
        sys_.DoEvents();
    } else {
        hideTopTen();
    }
}

void VisualWindow::HelpClicked() { toggleTextPanel(*message_); }

void VisualWindow::ExitClicked() {
    hideTopTen();
    closeTextPanels();
    oLogic->options().form().hide();
    sys_.DoEvents();
    oLogic->ExitPressed();
}
