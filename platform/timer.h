// Timers of a window. Switching a timer on, or off and on again, or setting
// the interval of a running timer, starts its interval afresh. A timer never
// fires while its own handler runs; ticks missed meanwhile merge into one.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace plat {

class System;

class Timer {
public:
    Timer(System& sys, std::string name, int intervalMs);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& name() const { return name_; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    int interval() const { return interval_; }
    void setInterval(int ms);

    std::function<void()> onTimer;

    // For the event loop.
    bool armed() const { return enabled_ && interval_ > 0; }
    int64_t due() const { return due_; }
    bool running() const { return running_; }
    void fire();

private:
    void restart();

    System& sys_;
    std::string name_;
    bool enabled_ = false;
    int interval_;
    int64_t due_ = 0;
    bool running_ = false;
};

}  // namespace plat
