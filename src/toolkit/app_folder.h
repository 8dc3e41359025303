#pragma once
// Where the game keeps its bank, its working copies and config.txt.
//
// A copy of the game in a folder the player can write to is portable: it
// keeps everything beside the program. An installed copy (under /usr, or in
// Program Files) cannot write there; it keeps the player's files in the
// player's own data folder, filled on the first start from the installed
// default.zrv and imp.zrv.

#include <filesystem>

namespace zv {

// The player's own data folder for the game, as the system names it
// (XDG_DATA_HOME or ~/.local/share on Linux, %APPDATA% on Windows, followed
// by "Zarvana"). The Qt front end asks Qt, which gives the same.
std::filesystem::path userDataFolder();

// The application folder for a program in `programDir`. `userData` is the
// player's data folder, used when the program's own folder cannot be
// written; it is created and filled when needed.
std::filesystem::path chooseAppFolder(const std::filesystem::path& programDir, const std::filesystem::path& userData);

// Where an installed copy keeps its data files: beside the program, or in
// ../share/zarvana under an installation prefix.
std::filesystem::path installedDataFolder(const std::filesystem::path& programDir);

}  // namespace zv
