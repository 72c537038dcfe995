#include "tests/support/game_harness.h"

#include <algorithm>

namespace fakes {

GameHarness::GameHarness(int screenWidthPx, int screenHeightPx) : sys(backend, screenWidthPx, screenHeightPx) {
    program = std::make_unique<Program>(sys, folder_, folder_);
}

GameHarness::~GameHarness() { game.reset(); }

logic& GameHarness::create() {
    game = std::make_unique<logic>(*program, windows);
    return *game;
}

logic& GameHarness::createAndShow() {
    create();
    sys.runUntil(sys.now() + 2000);
    return *game;
}

void GameHarness::startGame() {
    game->StartNewGame();
    clearLog();
}

bool GameHarness::exitGame() {
    try {
        game->ExitPressed();
    } catch (const plat::ProgramEnded&) {
        return true;
    }
    return false;
}

void GameHarness::clearLog() {
    log.clear();
    if (windows.visual) windows.visual->scoreAtCall.clear();
    backend.sounds.clear();
}

int GameHarness::count(const std::string& call) const { return int(std::count(log.begin(), log.end(), call)); }

std::vector<std::string> GameHarness::sounds() const {
    std::vector<std::string> names;
    for (const auto& [file, flags] : backend.sounds) names.push_back(file + "/" + std::to_string(flags));
    return names;
}

void GameHarness::giveBlock(bool up, bool down, bool left, bool right) {
    for (bool present : {up, down, left, right}) sys.giveRandom(present ? 0.5 : 0.0);
}

}  // namespace fakes
