#include "close_signals.h"

#include <SDL.h>
#include <pthread.h>

namespace plat::sdl {

CloseSignals::CloseSignals() {
    sigemptyset(&signals_);
    for (int sig : {SIGTERM, SIGHUP, SIGINT}) sigaddset(&signals_, sig);
    pthread_sigmask(SIG_BLOCK, &signals_, nullptr);
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
}

void CloseSignals::stop() {
    if (!watcher_.joinable()) return;
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    pthread_kill(watcher_.native_handle(), SIGTERM);  // ends its wait
    watcher_.join();
}

void CloseSignals::start() {
    if (!watcher_.joinable()) watcher_ = std::thread([this] { watch(); });
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
