#include "app/command_line.h"

#include <cstring>
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
}  // namespace

CommandLine parseCommandLine(int argc, char** argv)
{
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--headless") == 0) {
            line.headless = true;
        } else if (std::strcmp(argv[i], "--app-dir") == 0 && i + 1 < argc) {
            std::error_code ec;
            line.appDir = std::filesystem::absolute(argv[++i], ec);
        }
    }
    line.programDir = programFolder(argv[0]);
    return line;
}

int runHeadless(const CommandLine& line)
{
    std::ios::sync_with_stdio(false);
    const auto folder = line.appDir ? *line.appDir : chooseAppFolder(line.programDir, userDataFolder());
    ScriptDriver driver(std::cout, folder);
    return driver.run(std::cin);
}

}  // namespace zv
