#include "game_folders.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "data_files.h"

namespace plat {

#ifndef CORVANE_INSTALLED_SHARE
#define CORVANE_INSTALLED_SHARE "../share/corvane"
#endif
const char* const kInstalledShare = CORVANE_INSTALLED_SHARE;

namespace {

// Where the data files go when the player has no folder for them.
constexpr const char* kNoFolder = kNoDataFolder;

std::string withoutTrailingSlash(std::string dir) {
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    return dir;
}

bool absolute(const char* path) { return path && path[0] == '/'; }

// $XDG_DATA_HOME/corvane (~/.local/share/corvane), made when missing. An
// empty or relative XDG_DATA_HOME counts as unset, as the XDG base folder
// rules have it; SDL's maker would take it as it stands.
std::string playerFolder(const MakePlayerFolder& makePlayerFolder, std::string& problem) {
    if (!absolute(std::getenv("XDG_DATA_HOME"))) unsetenv("XDG_DATA_HOME");
    if (!std::getenv("XDG_DATA_HOME") && !absolute(std::getenv("HOME"))) {
        problem = "neither XDG_DATA_HOME nor HOME names a folder";
        return kNoFolder;
    }
    std::string error;
    std::string made = makePlayerFolder(error);
    if (made.empty()) {
        problem = "cannot make the player's folder (" + error + ")";
        return kNoFolder;
    }
    std::string dir = withoutTrailingSlash(made);
    std::error_code ec;
    if (!std::filesystem::is_directory(dir, ec)) {
        problem = "\"" + dir + "\" is no folder";
        return kNoFolder;
    }
    if (access(dir.c_str(), W_OK | X_OK) != 0)
        problem = "cannot write to \"" + dir + "\" (" + std::strerror(errno) + ")";
    return dir;
}

}  // namespace

GameFolders gameFolders(const std::string& programDir, const MakePlayerFolder& makePlayerFolder,
                        const std::string& installedShare) {
    std::error_code ec;
    if (std::filesystem::is_directory(programDir + "/pictures", ec))
        return {programDir, programDir + "/pictures", programDir, ""};
    GameFolders folders;
    folders.waves = withoutTrailingSlash(programDir + "/" + installedShare);
    folders.pictures = folders.waves + "/pictures";
    folders.program = playerFolder(makePlayerFolder, folders.problem);
    return folders;
}

}  // namespace plat
