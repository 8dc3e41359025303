#include "qt/gui.h"

#include <QApplication>
#include <QStandardPaths>

#include "toolkit/app_folder.h"
#include "qt/artwork.h"
#include "qt/dark_look.h"
#include "qt/qt_front_end.h"
#include "zarvana_version.h"

namespace zv {

int runGame(int argc, char** argv, const std::optional<std::filesystem::path>& appDir,
            const std::filesystem::path& programDir)
{
    QApplication qt(argc, argv);
    QApplication::setApplicationName("Zarvana");
    QApplication::setApplicationVersion(kVersion);
    QGuiApplication::setDesktopFileName(kDesktopId);
    QApplication::setWindowIcon(art::programIcon());
    qt.setStyleSheet(darkStyleSheet());
    // Through UTF-8 on both sides: a plain std::string is taken in the
    // Windows code page, which loses any letter of a player's name outside it.
    const QByteArray dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toUtf8();
    const std::filesystem::path userData = std::u8string(dataFolder.begin(), dataFolder.end());
    const std::filesystem::path folder = appDir ? *appDir : chooseAppFolder(programDir, userData);
    QtFrontEnd game(folder);
    game.start();
    if (game.app().ended()) return 0;
    return QApplication::exec();
}

}  // namespace zv
