// Takes a screenshot of every window of the game, as a player sees it, for
// the README and for looking at the game's design:
//
//   zarvana_screenshots OUTDIR [SUFFIX]
//
// Run it on a real (or virtual, Xvfb) screen of the size to show; each
// picture is OUTDIR/NAME-SUFFIX.png. The game is played through the script
// driver's commands, on a copy of the shipped bank in a folder of its own.

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "driver/commands.h"
#include "engine/game.h"
#include "qt/artwork.h"
#include "qt/form_window.h"
#include "qt/qt_front_end.h"

namespace {

void settle()
{
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: zarvana_screenshots OUTDIR [SUFFIX]\n";
        return 2;
    }
    QApplication qt(argc, argv);
    QApplication::setWindowIcon(zv::art::programIcon());
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    const QString suffix = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString("shot");
    QDir().mkpath(outDir);

    // A folder of its own with the shipped bank.
    const auto folder = std::filesystem::temp_directory_path() / ("zarvana-shots-" + std::to_string(QCoreApplication::applicationPid()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path data = ZARVANA_DATA_DIR;
    std::filesystem::copy_file(data / "default.zrv", folder / "imp.zrv", std::filesystem::copy_options::overwrite_existing);
    std::filesystem::copy_file(data / "default.zrv", folder / "default.zrv", std::filesystem::copy_options::overwrite_existing);

    zv::QtFrontEnd fe(folder);
    fe.start();
    zv::Commands commands(fe.app(), fe.program(), std::cerr);
    auto run = [&](std::initializer_list<const char*> lines) {
        for (const char* line : lines) commands.execute(line);
        fe.afterEvent();
        settle();
    };
    // One window on its own.
    auto window = [&](const char* form, const char* name) {
        settle();
        if (auto* w = fe.windowOf(form)) w->grab().save(outDir + "/" + name + "-" + suffix + ".png");
    };
    // The board with the dialogs in front of it, as on the screen.
    auto board = [&](const char* name) {
        settle();
        zv::FormWindow* b = fe.windowOf("Game");
        if (!b) return;
        QPixmap shot = b->grab();
        QPainter p(&shot);
        for (const char* dialog : {"Message", "Message2", "Message3", "Result", "frmExit", "About"})
            if (auto* w = fe.windowOf(dialog); w && w->isVisible()) p.drawPixmap(w->geometry().topLeft() - b->geometry().topLeft(), w->grab());
        p.end();
        shot.save(outDir + "/" + name + "-" + suffix + ".png");
    };

    // The correct option of the question on the board, picked by its letter.
    auto pickCorrect = [&] {
        const std::string letter = fe.app().findAs<zv::Game>()->lblCorrect.caption();
        run({("click Game.lbl" + letter).c_str()});
    };

    window("Main", "main-menu");
    run({"click Main.Label5"});
    window("frmOptions", "options");
    run({"close frmOptions", "click Main.Label6"});
    window("Rules", "rules");
    run({"click Rules.Label4"});
    window("Rules", "rules-break-up");
    run({"click Rules.Label9"});
    window("Rules", "rules-lifelines");
    run({"click Rules.Command1", "click Main.Label3"});
    window("About", "about");
    run({"click About.Command1", "click Main.Label2"});
    window("Question", "editor");
    run({"click Question.Command2"});
    window("Question", "editor-analyzer");
    run({"close Question", "click Main.Label1"});
    board("board");
    run({"rng 0.3", "click Game.lblStart"});
    pickCorrect();
    run({"move Game.lblAnswer(3)", "wait 100"});
    board("board-pick");
    run({"click Game.Image11", "click Game.lblKya"});
    board("poll-and-advice");
    run({"click Game.Command1"});
    board("advice");
    run({"click Message3.Command1"});
    pickCorrect();
    run({"click Game.lblLock", "wait 1000", "wait 300"});
    board("verdict");
    run({"click Message.Command1", "rng 0.6", "click Game.Image10"});
    board("phone-a-friend");
    run({"click Message3.Command1", "click Game.lblExit"});
    board("exit");
    run({"click frmExit.Command2", "click Game.lblWith"});
    board("withdraw");
    run({"click Result.Command1"});
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    std::cout << "screenshots in " << outDir.toStdString() << "\n";
    return 0;
}
