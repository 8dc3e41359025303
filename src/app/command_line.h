#pragma once
// The command line of zarvana and zarvana_headless, and the script driver's
// run that both offer:
//
//   zarvana [--headless] [--app-dir DIR]
//   zarvana_headless [--app-dir DIR]
//   zarvana check FILE                                  (either program)
//   zarvana import FILE [--replace] [--app-dir DIR]
//   zarvana export FILE [--levels A-B] [--app-dir DIR]
//
// The application folder holds the question bank and config.txt: the folder
// of the program when the player can write there, else the player's own data
// folder (see app_folder.h), unless --app-dir names another. check, import
// and export work on files and end: they open no window (set_commands.h).

#include <filesystem>
#include <optional>
#include <string>

namespace zv {

enum class SetCommand { None, Check, Import, Export };

struct CommandLine {
    bool headless = false;
    std::optional<std::filesystem::path> appDir;  // --app-dir, made absolute
    std::filesystem::path programDir;             // the folder of the program itself
    SetCommand command = SetCommand::None;
    std::string file;                 // the set or bank file of the command, as given
    bool replace = false;             // import --replace
    int fromLevel = 1, toLevel = 15;  // export --levels A-B
    std::string usageError;           // why the command's arguments cannot be followed
};

// Anything it does not know is left for Qt (-platform and the like). A
// command is the first argument that is no option.
CommandLine parseCommandLine(int argc, char** argv);

// The folder of the bank the program plays with.
std::filesystem::path appFolderOf(const CommandLine& line);

// Runs the script driver on standard input and output; the exit status.
int runHeadless(const CommandLine& line);

}  // namespace zv
