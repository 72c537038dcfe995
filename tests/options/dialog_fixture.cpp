#include "dialog_fixture.h"

#include <algorithm>

std::unique_ptr<OptionsInterface> DialogFactory::loadOptions() {
    auto made = std::make_unique<OptionsWindow>(program_);
    dialog = made.get();
    return made;
}

DialogTest::DialogTest() {
    program = std::make_unique<Program>(sys, folder, CORVANE_PICTURES);
    windows = std::make_unique<DialogFactory>(sys, log, *program);
}

DialogTest::~DialogTest() { game.reset(); }

void DialogTest::open(const std::string& optionsFile) {
    if (!optionsFile.empty()) programFolder.write("OPT.TXT", optionsFile);
    game = std::make_unique<logic>(*program, *windows);
    game->OptionsPressed();
    sys.DoEvents();
    log.clear();
}

void DialogTest::clickAt(plat::Control& c, double fraction) {
    plat::Control::Rect r = c.screenRect();
    plat::InputEvent e;
    e.code = plat::LeftButton;
    e.x = r.x + int(r.w * fraction);
    e.y = r.y + r.h / 2;
    e.type = plat::InputEvent::Type::MouseDown;
    sys.post(e);
    e.type = plat::InputEvent::Type::MouseUp;
    sys.post(e);
    sys.DoEvents();
}

void DialogTest::key(int keyCode, int shift) {
    plat::InputEvent e;
    e.type = plat::InputEvent::Type::KeyDown;
    e.code = keyCode;
    e.shift = shift;
    sys.post(e);
    sys.DoEvents();
}

int DialogTest::count(const std::string& call) const { return int(std::count(log.begin(), log.end(), call)); }

std::string DialogTest::readFile(const std::string& name) const { return programFolder.read(name); }
