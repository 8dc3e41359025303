// zarvana: the quiz game. `zarvana --headless` runs the script driver, the
// same game without windows, reading commands from standard input.
//
//   zarvana [--headless] [--app-dir DIR]
//
// The application folder holds the question bank and config.txt: the folder
// of the program when the player can write there, else the player's own data
// folder (see app_folder.h), unless --app-dir names another.

#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <system_error>

#include "toolkit/app_folder.h"
#include "driver/script_driver.h"
#include "qt/gui.h"

namespace {

std::filesystem::path programFolder(const char* argv0)
{
    std::error_code ec;
#ifdef __linux__
    auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) return self.parent_path();
#endif
    auto path = std::filesystem::canonical(argv0, ec);
    if (!ec) return path.parent_path();
    return std::filesystem::current_path();
}

}  // namespace

int main(int argc, char** argv)
{
    bool headless = false;
    std::optional<std::filesystem::path> appDir;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--headless") == 0) {
            headless = true;
        } else if (std::strcmp(argv[i], "--app-dir") == 0 && i + 1 < argc) {
            std::error_code ec;
            appDir = std::filesystem::absolute(argv[++i], ec);
        }
        // Anything else is for Qt (-platform and the like).
    }
    const std::filesystem::path programDir = programFolder(argv[0]);
    if (headless) {
        std::ios::sync_with_stdio(false);
        const auto folder = appDir ? *appDir : zv::chooseAppFolder(programDir, zv::userDataFolder());
        zv::ScriptDriver driver(std::cout, folder);
        return driver.run(std::cin);
    }
    return zv::runGame(argc, argv, appDir, programDir);
}
