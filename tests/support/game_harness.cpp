#include "tests/support/game_harness.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fakes {

GameHarness::GameHarness(int screenWidthPx, int screenHeightPx) : sys(backend, screenWidthPx, screenHeightPx) {
    std::string pattern = (std::filesystem::temp_directory_path() / "corvane-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    folder_ = pattern + "/";
    program = std::make_unique<Program>(sys, folder_, folder_);
}

GameHarness::~GameHarness() {
    game.reset();
    std::error_code ignored;
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(folder_, ignored);
}

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

void GameHarness::writeFile(const std::string& name, const std::string& content) const {
    std::ofstream out(path(name), std::ios::binary);
    out << content;
}

std::string GameHarness::readFile(const std::string& name) const {
    std::ifstream in(path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool GameHarness::fileExists(const std::string& name) const { return std::filesystem::exists(path(name)); }

void GameHarness::clearLog() {
    log.clear();
    if (windows.visual) windows.visual->scoreAtCall.clear();
    backend.sounds.clear();
}

int GameHarness::count(const std::string& call) const { return int(std::count(log.begin(), log.end(), call)); }

std::vector<std::string> GameHarness::sounds() const {
    std::vector<std::string> names;
    for (const auto& [file, flags] : backend.sounds) names.push_back(file.substr(folder_.size()) + "/" + std::to_string(flags));
    return names;
}

void GameHarness::giveBlock(bool up, bool down, bool left, bool right) {
    for (bool present : {up, down, left, right}) sys.giveRandom(present ? 0.5 : 0.0);
}

}  // namespace fakes
