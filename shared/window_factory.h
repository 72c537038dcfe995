// Creates the three windows when the game object asks for them, in the order
// start-up loads them. The real game builds the real windows; tests build
// recording stand-ins.
#pragma once

#include <memory>

class BlackInterface;
class OptionsInterface;
class VisualInterface;

class WindowFactory {
public:
    virtual ~WindowFactory() = default;
    virtual std::unique_ptr<BlackInterface> createBlack() = 0;
    virtual std::unique_ptr<OptionsInterface> loadOptions() = 0;
    virtual std::unique_ptr<VisualInterface> loadVisual() = 0;
};
