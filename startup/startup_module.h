// The start-up module: the display check, the program folder, and the one
// game object of the run, which builds the title screen and the windows.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/system.h"
#include "shared/program.h"
#include "startup/game_window_factory.h"

class logic;

class StartupModule {
public:
    // programFolder is the folder of the running program (with or without a
    // trailing "/"); pictureFolder holds the windows' pictures.
    StartupModule(plat::System& sys, std::string programFolder, std::string pictureFolder);
    ~StartupModule();
    StartupModule(const StartupModule&) = delete;
    StartupModule& operator=(const StartupModule&) = delete;

    // The program's entry: returns with the title screen up and the game
    // object alive; ends the program (plat::ProgramEnded) when the display
    // is not set to small fonts or a picture cannot be loaded.
    void Main();

    logic* gLogic() const { return gLogic_.get(); }
    // Main refused to start the game (display check, a missing picture).
    bool startFailed() const { return startFailed_; }
    Program& program() { return program_; }

    // Given the message that stops the start just before its box shows, for
    // a program that also tells it on its terminal.
    std::function<void(const std::string&)> onRefusal;

private:
    [[noreturn]] void RefuseDisplay();
    void CreateLogic();
    // The message box that stops the start, then the end of the program.
    [[noreturn]] void Refuse(const std::string& prompt, int flags, const std::string& title);

    plat::System& sys_;
    std::string programFolder_;
    Program program_;
    GameWindowFactory windows_;
    std::unique_ptr<logic> gLogic_;  // keeps the game object alive for the run
    bool startFailed_ = false;
};
