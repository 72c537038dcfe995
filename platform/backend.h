// What each backend provides to the event loop: a clock, input, waiting,
// presenting the composed screen, sound, and the message box's own loop.
#pragma once

#include <cstdint>
#include <string>

namespace plat {

class System;
struct MessageBox;

class Backend {
public:
    virtual ~Backend() = default;
    // Milliseconds since the backend started.
    virtual int64_t now() = 0;
    // Moves pending input into the system's queue (System::post); never waits.
    virtual void pollInput(System& sys) = 0;
    // Returns when the clock has reached `until` or input has arrived.
    virtual void waitUntil(System& sys, int64_t until) = 0;
    // Shows the screen if it changed since it was last shown.
    virtual void present(System& sys) = 0;
    // Plays the wave file of that name asynchronously (flags as the game
    // passes them), from wherever the backend's installation keeps the game's
    // wave files; a file it cannot play plays nothing.
    virtual void playSound(const std::string& waveFile, int flags) = 0;
    // Runs a modal message box until it is answered; returns the answer.
    virtual int runMessageBox(System& sys, MessageBox& box) = 0;
    // The pointer shape changed (the screen's or the one under the mouse).
    virtual void pointerChanged(System&) {}
};

}  // namespace plat
