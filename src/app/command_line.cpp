#include "app/command_line.h"

#include <cstdlib>
#include <iostream>
#include <system_error>

#include "driver/script_driver.h"
#include "toolkit/app_folder.h"

namespace zv {

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

std::optional<int> levelNumber(std::string_view text)
{
    if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const int level = std::atoi(std::string(text).c_str());
    if (level < 1 || level > 15) return std::nullopt;
    return level;
}

// "A-B" or a single level "A".
bool parseLevels(std::string_view text, CommandLine& line)
{
    const auto dash = text.find('-');
    const auto from = levelNumber(text.substr(0, dash));
    const auto to = dash == std::string_view::npos ? from : levelNumber(text.substr(dash + 1));
    if (!from || !to || *from > *to) return false;
    line.fromLevel = *from;
    line.toLevel = *to;
    return true;
}

SetCommand commandNamed(std::string_view word)
{
    if (word == "check") return SetCommand::Check;
    if (word == "import") return SetCommand::Import;
    if (word == "export") return SetCommand::Export;
    return SetCommand::None;
}
}  // namespace

CommandLine parseCommandLine(int argc, char** argv)
{
    CommandLine line;
    bool positional = false;  // an argument that is no option came already
    bool levels = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--headless") {
            line.headless = true;
        } else if (arg == "--app-dir" && i + 1 < argc) {
            std::error_code ec;
            line.appDir = std::filesystem::absolute(argv[++i], ec);
        } else if (arg == "--replace") {
            line.replace = true;
        } else if (arg == "--levels") {
            levels = true;
            if (i + 1 >= argc || !parseLevels(argv[++i], line)) line.usageError = "--levels takes A-B, levels 1 to 15";
        } else if (!arg.empty() && arg[0] != '-') {
            if (!positional) {
                line.command = commandNamed(arg);
            } else if (line.command != SetCommand::None) {
                if (line.file.empty())
                    line.file = arg;
                else
                    line.usageError = "one file at a time";
            }
            positional = true;
        }
    }
    if (line.command != SetCommand::None) {
        if (line.file.empty()) line.usageError = "which file?";
        if (line.replace && line.command != SetCommand::Import) line.usageError = "--replace is for import";
        if (levels && line.command != SetCommand::Export) line.usageError = "--levels is for export";
    }
    line.programDir = programFolder(argv[0]);
    return line;
}

std::filesystem::path appFolderOf(const CommandLine& line)
{
    return line.appDir ? *line.appDir : chooseAppFolder(line.programDir, userDataFolder());
}

int runHeadless(const CommandLine& line)
{
    std::ios::sync_with_stdio(false);
    ScriptDriver driver(std::cout, appFolderOf(line));
    return driver.run(std::cin);
}

}  // namespace zv
