// The whole start-up on a headless system: a fresh program folder holding a
// copy of the game's pictures, and a screen of the size and twips per pixel
// the test chooses.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/headless/headless_backend.h"
#include "platform/system.h"
#include "startup/startup_module.h"
#include "tests/support/temp_folder.h"

// Keeps every change of the whole screen's pointer.
class PointerBackend : public plat::HeadlessBackend {
public:
    void pointerChanged(plat::System& sys) override {
        if (screenPointers.empty() || screenPointers.back() != sys.screenPointer())
            screenPointers.push_back(sys.screenPointer());
    }
    std::vector<int> screenPointers;
};

class StartupTest : public ::testing::Test {
protected:
    StartupTest();
    ~StartupTest() override;

    // Runs Main on a new screen; true when it returned, false when it ended
    // the program.
    bool start(int widthPx = 640, int heightPx = 480, int twipsX = 15, int twipsY = 15);
    // The files in the program folder, the pictures folder left out.
    std::vector<std::string> dataFiles() const;
    bool exists(const std::string& name) const;
    void removeFile(const std::string& name) const;
    int visibleForms() const;

    support::TempFolder programFolder;
    std::string folder = programFolder.path().string();  // without a trailing "/"
    PointerBackend backend;
    std::unique_ptr<plat::System> sys;
    std::unique_ptr<StartupModule> module;
};
