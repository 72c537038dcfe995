// The real game window on a headless system, with the game object and
// recording stand-ins for the title window and the options dialog. Pictures
// come from the art generator's output folder.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/headless_backend.h"
#include "platform/input.h"
#include "platform/system.h"
#include "rules/logic.h"
#include "shared/program.h"
#include "tests/support/fake_windows.h"
#include "tests/support/temp_folder.h"
#include "window/visual_window.h"

namespace visual_test {

inline std::string picturesFolder() { return CORVANE_PICTURES; }
inline bool havePictures() { return std::filesystem::exists(picturesFolder() + "/visual.bmp"); }

class Windows : public WindowFactory {
public:
    Windows(Program& program, fakes::CallLog& log) : program_(program), log_(log) {}
    std::unique_ptr<BlackInterface> createBlack() override {
        return std::make_unique<fakes::FakeBlack>(program_.sys, log_);
    }
    std::unique_ptr<OptionsInterface> loadOptions() override {
        auto o = std::make_unique<fakes::FakeOptions>(program_.sys, log_);
        options = o.get();
        return o;
    }
    std::unique_ptr<VisualInterface> loadVisual() override {
        auto v = std::make_unique<VisualWindow>(program_);
        visual = v.get();
        return v;
    }
    VisualWindow* visual = nullptr;
    fakes::FakeOptions* options = nullptr;

private:
    Program& program_;
    fakes::CallLog& log_;
};

// The headless backend, counting the yields: every yield ends by presenting
// the screen once.
class CountingBackend : public plat::HeadlessBackend {
public:
    void present(plat::System& sys) override {
        ++yields;
        HeadlessBackend::present(sys);
    }
    int yields = 0;
};

struct Options {
    int sound = 1, startLevel = 1, control = 0, blockType = 0;
};

class VisualTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!havePictures()) GTEST_SKIP() << "no pictures in " << picturesFolder() << "; build the target pictures";
    }
    void TearDown() override { game.reset(); }

    // The game object as start-up builds it, with these options in its
    // file, then handed over from the title screen.
    logic& start(Options o = {}) {
        programFolder.write("OPT.TXT", std::to_string(o.sound) + "\n" + std::to_string(o.startLevel) + "\n" +
                                           std::to_string(o.control) + "\n" + std::to_string(o.blockType) + "\n");
        game = std::make_unique<logic>(*program, windows);
        game->splashDone();
        backend.sounds.clear();
        return *game;
    }

    VisualWindow& visual() { return *windows.visual; }
    plat::Control& ctl(const std::string& name, int index = -1) { return visual().form().get(name, index); }

    // Input at a control's screen place, dx/dy pixels in from its corner.
    void post(plat::InputEvent::Type type, int code, int x, int y) { sys.post({type, code, 0, x, y}); }
    void press(plat::Control& c, int button = plat::LeftButton, int dx = 1, int dy = 1) {
        auto r = c.screenRect();
        post(plat::InputEvent::Type::MouseDown, button, r.x + dx, r.y + dy);
        post(plat::InputEvent::Type::MouseUp, button, r.x + dx, r.y + dy);
        sys.DoEvents();
    }
    // A press on the window's bare artwork, above the score headings.
    void pressBare(int button) {
        auto r = visual().form().screenRect();
        post(plat::InputEvent::Type::MouseDown, button, r.x + 600, r.y + 10);
        post(plat::InputEvent::Type::MouseUp, button, r.x + 600, r.y + 10);
        sys.DoEvents();
    }
    void doubleClick(plat::Control& c, int dx = 1, int dy = 1) {
        auto r = c.screenRect();
        for (auto t : {plat::InputEvent::Type::MouseDown, plat::InputEvent::Type::MouseUp,
                       plat::InputEvent::Type::DblClick, plat::InputEvent::Type::MouseUp})
            post(t, plat::LeftButton, r.x + dx, r.y + dy);
        sys.DoEvents();
    }
    void moveTo(plat::Control& c, int dx = 1, int dy = 1) {
        auto r = c.screenRect();
        post(plat::InputEvent::Type::MouseMove, 0, r.x + dx, r.y + dy);
        sys.DoEvents();
    }
    void key(int code, int ascii = -1) {
        sys.post({plat::InputEvent::Type::KeyDown, code, 0, 0, 0});
        if (ascii >= 0) sys.post({plat::InputEvent::Type::Char, ascii, 0, 0, 0});
        sys.DoEvents();
    }

    // Sounds played since start(), as "file/flags".
    std::vector<std::string> sounds() const {
        std::vector<std::string> names;
        for (const auto& [file, flags] : backend.sounds) names.push_back(file + "/" + std::to_string(flags));
        return names;
    }
    bool fileExists(const std::string& name) const { return programFolder.has(name); }

    // A pending input event that only a yield takes off the queue.
    void queueProbe() { post(plat::InputEvent::Type::MouseMove, 0, -50, -50); }
    bool yielded() const { return !sys.inputPending(); }

    support::TempFolder programFolder;
    std::string folder = programFolder.prefix();
    CountingBackend backend;
    plat::System sys{backend, 1024, 768};
    fakes::CallLog log;
    std::unique_ptr<Program> program = std::make_unique<Program>(sys, folder, picturesFolder());
    Windows windows{*program, log};
    std::unique_ptr<logic> game;
};

}  // namespace visual_test
