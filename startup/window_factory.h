// Creates the three windows when the game object asks for them, in the order
// start-up loads them. The real game builds the real windows; tests build
// recording stand-ins.
#pragma once

#include <memory>

#include "options/options_interface.h"
#include "startup/black_interface.h"
#include "window/visual_interface.h"

class WindowFactory {
public:
    virtual ~WindowFactory() = default;
    virtual std::unique_ptr<BlackInterface> createBlack() = 0;
    virtual std::unique_ptr<OptionsInterface> loadOptions() = 0;
    virtual std::unique_ptr<VisualInterface> loadVisual() = 0;
};
