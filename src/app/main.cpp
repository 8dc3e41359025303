// zarvana: the quiz game. `zarvana --headless` runs the script driver, the
// same game without windows, reading commands from standard input.
//
//   zarvana [--headless] [--app-dir DIR]
//
// The application folder holds the question bank and config.txt; it is the
// folder of the program unless --app-dir names another.

#include <QApplication>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "driver/script_driver.h"
#include "qt/artwork.h"
#include "qt/qt_front_end.h"

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

int usage()
{
    std::cerr << "usage: zarvana [--headless] [--app-dir DIR]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    bool headless = false;
    std::filesystem::path appDir = programFolder(argv[0]);
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--headless") == 0) {
            headless = true;
        } else if (std::strcmp(argv[i], "--app-dir") == 0 && i + 1 < argc) {
            std::error_code ec;
            appDir = std::filesystem::absolute(argv[++i], ec);
        } else if (!headless) {
            // Qt's own options (-platform and the like) are for QApplication.
            continue;
        } else {
            return usage();
        }
    }

    if (headless) {
        std::ios::sync_with_stdio(false);
        zv::ScriptDriver driver(std::cout, appDir);
        return driver.run(std::cin);
    }

    QApplication qt(argc, argv);
    QApplication::setApplicationName("Zarvana");
    QApplication::setWindowIcon(zv::art::programIcon());
    zv::QtFrontEnd game(appDir);
    game.start();
    if (game.app().ended()) return 0;
    return QApplication::exec();
}
