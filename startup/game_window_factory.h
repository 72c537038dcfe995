// Builds the game's real windows for the game object, all on one program.
#pragma once

#include "shared/program.h"
#include "shared/window_factory.h"

class GameWindowFactory : public WindowFactory {
public:
    explicit GameWindowFactory(Program& program) : program_(program) {}

    std::unique_ptr<BlackInterface> createBlack() override;
    std::unique_ptr<OptionsInterface> loadOptions() override;
    std::unique_ptr<VisualInterface> loadVisual() override;

private:
    Program& program_;
};
