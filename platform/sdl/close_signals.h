// SIGTERM (a logout, a shutdown), SIGHUP (the terminal the game was started
// from closed) and SIGINT (Ctrl+C) ask the program to end as the window
// manager's close does. No code of the game runs in a signal handler: the
// three signals are blocked in every thread and taken by a thread of their
// own (sigwait), which pushes SDL_QUIT. That event wakes the loop from its
// wait, and the loop acts on it at its next turn (System::requestClose).
#pragma once

#include <csignal>
#include <mutex>
#include <thread>

namespace plat::sdl {

class CloseSignals {
public:
    // Blocks the signals: construct it before SDL starts any thread, so that
    // every thread started later has them blocked too. Also tells SDL to
    // leave them alone.
    CloseSignals();
    ~CloseSignals() { stop(); }
    CloseSignals(const CloseSignals&) = delete;
    CloseSignals& operator=(const CloseSignals&) = delete;

    // Starts taking the signals, once SDL's events are running. A signal that
    // came before waited for this.
    void start();
    // Stops the watcher, before SDL quits; a signal after that stays pending
    // until the program has ended.
    void stop();

private:
    void watch();

    sigset_t signals_;
    int wakeSignal_ = 0;  // one of them, which stop() sends the watcher
    std::mutex mutex_;
    bool stopping_ = false;
    std::thread watcher_;
};

}  // namespace plat::sdl
