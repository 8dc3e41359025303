#pragma once
// Runs the game in its windows. Plain C++ here, so that main() needs no Qt.

#include <filesystem>
#include <optional>

namespace zv {

// The reverse-DNS id under which desktops know the game (its .desktop file,
// icon and metainfo).
inline constexpr const char* kDesktopId = "org.zarvana.Zarvana";

// `appDir` is the folder named on the command line, if one was.
int runGame(int argc, char** argv, const std::optional<std::filesystem::path>& appDir,
            const std::filesystem::path& programDir);

}  // namespace zv
