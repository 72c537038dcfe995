// A game object on the headless platform with recording windows and its own
// temporary program folder, for the tests.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/headless/headless_backend.h"
#include "rules/logic.h"
#include "shared/program.h"
#include "tests/support/fake_windows.h"
#include "tests/support/temp_folder.h"

namespace fakes {

class GameHarness {
public:
    explicit GameHarness(int screenWidthPx = 1024, int screenHeightPx = 768);
    ~GameHarness();
    GameHarness(const GameHarness&) = delete;
    GameHarness& operator=(const GameHarness&) = delete;

    // Builds the game object (reading "OPT.TXT" as it does).
    logic& create();
    // Builds it and runs the title screen's two seconds, after which the
    // game window is up with no game (reading "HI.SCO").
    logic& createAndShow();
    // Starts a game and forgets the calls that led up to it.
    void startGame();

    const std::string& folder() const { return folder_; }
    std::string path(const std::string& name) const { return folder_ + name; }
    void writeFile(const std::string& name, const std::string& content) const { folderFiles_.write(name, content); }
    std::string readFile(const std::string& name) const { return folderFiles_.read(name); }  // empty when missing
    bool fileExists(const std::string& name) const { return folderFiles_.has(name); }

    // Runs the exit command; true when it ended the program.
    bool exitGame();

    // The calls logged since the last clearLog(), and the sounds by file name.
    void clearLog();
    int count(const std::string& call) const;
    std::vector<std::string> sounds() const;
    // Gives the four random values of one new-block attempt (0 absent, 0.5 present).
    void giveBlock(bool up, bool down, bool left, bool right);

    FakeVisual& visual() { return *windows.visual; }
    FakeOptions& options() { return *windows.options; }
    FakeBlack& black() { return *windows.black; }

private:
    support::TempFolder folderFiles_;  // removed last, after the game in it
    std::string folder_ = folderFiles_.prefix();

public:
    plat::HeadlessBackend backend;
    plat::System sys;
    CallLog log;
    FakeWindowFactory windows{sys, log};
    std::unique_ptr<Program> program;
    std::unique_ptr<logic> game;
};

}  // namespace fakes
