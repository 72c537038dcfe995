// The real options dialog on a headless system, with a real game object and
// recording stand-ins for the game window and the title window. Input goes
// through the event loop as the player would give it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "options/options_window.h"
#include "platform/headless/headless_backend.h"
#include "platform/system.h"
#include "rules/logic.h"
#include "shared/program.h"
#include "tests/support/fake_windows.h"
#include "tests/support/temp_folder.h"

class DialogFactory : public fakes::FakeWindowFactory {
public:
    DialogFactory(plat::System& sys, fakes::CallLog& log, Program& program)
        : FakeWindowFactory(sys, log), program_(program) {}
    std::unique_ptr<OptionsInterface> loadOptions() override;

    OptionsWindow* dialog = nullptr;

private:
    Program& program_;
};

class DialogTest : public ::testing::Test {
protected:
    DialogTest();
    ~DialogTest() override;

    // Builds the game object from the given options file ("" for none) and
    // opens the dialog as the OPTIONS command does.
    void open(const std::string& optionsFile = "");
    plat::Control& control(const char* name) { return windows->dialog->control(name); }
    bool selected(const char* name) { return control(name).value(); }

    void click(const char* name) { clickAt(control(name), 0.5); }
    // A press and release at a fraction of the control's width, mid-height.
    void clickAt(plat::Control& c, double fraction);
    void key(int keyCode, int shift = 0);
    int count(const std::string& call) const;
    std::string readFile(const std::string& name) const;

    plat::HeadlessBackend backend;
    plat::System sys{backend, 800, 600};
    support::TempFolder programFolder;
    std::string folder = programFolder.prefix();
    std::unique_ptr<Program> program;
    fakes::CallLog log;
    std::unique_ptr<DialogFactory> windows;
    std::unique_ptr<logic> game;
};
