#include "qt/gui.h"

#include <QApplication>
#include <QStandardPaths>

#include "toolkit/app_folder.h"
#include "qt/artwork.h"
#include "qt/dark_look.h"
#include "qt/qt_front_end.h"

namespace zv {

int runGame(int argc, char** argv, const std::optional<std::filesystem::path>& appDir,
            const std::filesystem::path& programDir)
{
    QApplication qt(argc, argv);
    QApplication::setApplicationName("Zarvana");
    QApplication::setApplicationVersion("1.0.2");
    QGuiApplication::setDesktopFileName(kDesktopId);
    QApplication::setWindowIcon(art::programIcon());
    qt.setStyleSheet(darkStyleSheet());
    const std::filesystem::path userData =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
    const std::filesystem::path folder = appDir ? *appDir : chooseAppFolder(programDir, userData);
    QtFrontEnd game(folder);
    game.start();
    if (game.app().ended()) return 0;
    return QApplication::exec();
}

}  // namespace zv
