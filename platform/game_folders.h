// Where the corvane program finds its files. Run from its build folder (the
// pictures beside the program) one folder holds everything, the data files
// included. Installed (no pictures beside the program) the pictures and wave
// files are read from the installed share/corvane/, and the data files
// "OPT.TXT" and "HI.SCO" live in the player's own folder,
// $XDG_DATA_HOME/corvane/ (~/.local/share/corvane/ by default), made on the
// first start. The game still sees one program folder: the one that holds
// its data files; the backend plays its sounds from the wave files' folder.
#pragma once

#include <functional>
#include <string>

namespace plat {

struct GameFolders {
    std::string program;   // the game's program folder, without a trailing "/"
    std::string pictures;  // the windows' pictures
    std::string waves;     // the wave files
    // Why the data files cannot be kept in the program folder, or "".
    std::string problem;
};

// The installed share/corvane/, as a path from the installed program's folder.
extern const char* const kInstalledShare;

// Makes the player's folder $XDG_DATA_HOME/corvane/ when it is missing and
// gives its path, or gives "" and says why in `error`: the backend's part.
using MakePlayerFolder = std::function<std::string(std::string& error)>;

// The folders for a program running in programDir (without a trailing "/").
// In the installed layout the player's folder is made when it is missing.
GameFolders gameFolders(const std::string& programDir, const MakePlayerFolder& makePlayerFolder,
                        const std::string& installedShare = kInstalledShare);

}  // namespace plat
