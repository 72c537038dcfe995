#include "startup/game_window_factory.h"

#include "options/options_window.h"
#include "startup/black_window.h"
#include "window/visual_window.h"

std::unique_ptr<BlackInterface> GameWindowFactory::createBlack() { return std::make_unique<BlackWindow>(program_); }

std::unique_ptr<OptionsInterface> GameWindowFactory::loadOptions() { return std::make_unique<OptionsWindow>(program_); }

std::unique_ptr<VisualInterface> GameWindowFactory::loadVisual() { return std::make_unique<VisualWindow>(program_); }
