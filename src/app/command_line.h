#pragma once
// The command line of zarvana and zarvana_headless, and the script driver's
// run that both offer:
//
//   zarvana [--headless] [--app-dir DIR]
//   zarvana_headless [--app-dir DIR]
//
// The application folder holds the question bank and config.txt: the folder
// of the program when the player can write there, else the player's own data
// folder (see app_folder.h), unless --app-dir names another.

#include <filesystem>
#include <optional>

namespace zv {

struct CommandLine {
    bool headless = false;
    std::optional<std::filesystem::path> appDir;  // --app-dir, made absolute
    std::filesystem::path programDir;             // the folder of the program itself
};

// Anything it does not know is left for Qt (-platform and the like).
CommandLine parseCommandLine(int argc, char** argv);

// Runs the script driver on standard input and output; the exit status.
int runHeadless(const CommandLine& line);

}  // namespace zv
