#include "close_signals.h"

#include <SDL.h>
#include <pthread.h>

namespace plat::sdl {

CloseSignals::CloseSignals() {
    sigemptyset(&signals_);
    // One the program was started to ignore (nohup, a background job) stays
    // ignored.
    for (int sig : {SIGTERM, SIGHUP, SIGINT}) {
        struct sigaction action {};
        if (sigaction(sig, nullptr, &action) == 0 && action.sa_handler == SIG_IGN) continue;
        sigaddset(&signals_, sig);
        if (wakeSignal_ == 0) wakeSignal_ = sig;
    }
    pthread_sigmask(SIG_BLOCK, &signals_, nullptr);
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
}

void CloseSignals::stop() {
    if (!watcher_.joinable()) return;
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    pthread_kill(watcher_.native_handle(), wakeSignal_);  // ends its wait
    watcher_.join();
}

void CloseSignals::start() {
    if (wakeSignal_ != 0 && !watcher_.joinable()) watcher_ = std::thread([this] { watch(); });
}

void CloseSignals::watch() {
    for (;;) {
        int sig = 0;
        if (sigwait(&signals_, &sig) != 0) continue;
        std::lock_guard lock(mutex_);
        if (stopping_) return;
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);  // safe from any thread
    }
}

}  // namespace plat::sdl
