#include "qt/gui.h"

#include <QApplication>
#include <QStandardPaths>

#include "toolkit/app_folder.h"
#include "qt/artwork.h"
#include "qt/dark_look.h"
#include "qt/qt_front_end.h"
#include "zarvana_version.h"

namespace zv {

namespace {
// Without a sound server the audio system complains on its own; the game
// says it once itself (sound_output.cpp), so that line is left out.
QtMessageHandler qtsOwn = nullptr;

void quieterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith("PulseAudioService:")) return;
    if (qtsOwn) qtsOwn(type, context, message);
}
}  // namespace

int runGame(int argc, char** argv, const std::optional<std::filesystem::path>& appDir,
            const std::filesystem::path& programDir)
{
    qtsOwn = qInstallMessageHandler(quieterMessages);
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
    QtFrontEnd game(folder, {}, installedDataFolder(programDir) / "sounds");
    game.start();
    if (game.app().ended()) return 0;
    return QApplication::exec();
}

}  // namespace zv
