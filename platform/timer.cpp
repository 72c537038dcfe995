#include "timer.h"

#include "system.h"

namespace plat {

Timer::Timer(System& sys, std::string name, int intervalMs) : sys_(sys), name_(std::move(name)), interval_(intervalMs) {
    sys_.addTimer(*this);
}

Timer::~Timer() { sys_.removeTimer(*this); }

void Timer::restart() { due_ = sys_.now() + interval_; }

void Timer::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    if (on) restart();
}

void Timer::setInterval(int ms) {
    interval_ = ms;
    if (enabled_) restart();
}

void Timer::fire() {
    running_ = true;
    restart();
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{running_};
    if (onTimer) onTimer();
}

}  // namespace plat
