// Measures what the game costs while the player looks at the board and does
// nothing: the share of one core used over 20 seconds of real time. With
// --editor BANK, how long the Question Editor takes to open on that bank.
// With --music SOUNDS, the same with the question's music playing from the
// rendered cues in SOUNDS (a sound device, or a null one, is needed). With
// --statistics FOLDER, how long the Statistics window takes to open on the
// record in FOLDER (zarvana_history_bench leaves one of 10 000 games in
// /tmp/zarvana-bench-history).
//   zarvana_idle_cost [SECONDS] [--music SOUNDS]
//   zarvana_idle_cost --editor BANK
//   zarvana_idle_cost --statistics FOLDER

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <filesystem>
#include <string>
#include <iostream>
#include <sys/resource.h>

#include "driver/commands.h"
#include "qt/form_window.h"
#include "qt/qt_front_end.h"

namespace {
double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}
}  // namespace

int main(int argc, char** argv)
{
    QApplication qt(argc, argv);
    if (argc > 2 && std::string(argv[1]) == "--editor") {
        const auto folder = std::filesystem::temp_directory_path() / "zarvana-editor-open";
        std::filesystem::create_directories(folder);
        std::filesystem::copy_file(argv[2], folder / "imp.zrv", std::filesystem::copy_options::overwrite_existing);
        zv::QtFrontEnd fe(folder);
        fe.start();
        zv::Commands commands(fe.app(), fe.program(), std::cerr);
        QElapsedTimer clock;
        clock.start();
        commands.execute("click Main.Label2");
        fe.afterEvent();
        fe.windowOf("Question")->repaint();
        QApplication::processEvents();
        std::cout << "editor open on " << fe.app().find("Question")->ctl("List1").items().size() - 1 << " questions in "
                  << clock.elapsed() << " ms\n";
        return 0;
    }
    if (argc > 2 && std::string(argv[1]) == "--statistics") {
        zv::QtFrontEnd fe(argv[2]);
        fe.start();
        zv::Commands commands(fe.app(), fe.program(), std::cerr);
        for (int run = 0; run < 5; ++run) {
            QElapsedTimer clock;
            clock.start();
            commands.execute("click Main.Label7");
            commands.execute("click frmPlayer.Command2");
            fe.afterEvent();
            fe.windowOf("frmStatistics")->repaint();
            QApplication::processEvents();
            std::cout << "statistics open on " << fe.app().find("frmStatistics")->ctl("lblGames").caption()
                      << " games in " << clock.elapsed() << " ms\n";
            commands.execute("close frmStatistics");
            fe.afterEvent();
            QApplication::processEvents();
        }
        return 0;
    }
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 20;
    std::filesystem::path sounds;
    if (argc > 3 && std::string(argv[2]) == "--music") sounds = argv[3];
    const auto folder = std::filesystem::temp_directory_path() / "zarvana-idle";
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(std::filesystem::path(ZARVANA_DATA_DIR) / "default.zrv", folder / "imp.zrv",
                               std::filesystem::copy_options::overwrite_existing);
    zv::QtFrontEnd fe(folder, {}, sounds);
    fe.start();
    zv::Commands commands(fe.app(), fe.program(), std::cerr);
    commands.execute("click Main.Label1");
    commands.execute("click Game.lblStart");
    fe.afterEvent();
    // Two seconds for the board to settle, then the measure.
    QElapsedTimer wall;
    wall.start();
    double start = -1;
    QTimer poll;
    poll.setInterval(250);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (start < 0 && wall.elapsed() >= 2000) {
            start = cpuSeconds();
            wall.restart();
        } else if (start >= 0 && wall.elapsed() >= seconds * 1000) {
            const double used = cpuSeconds() - start;
            const double elapsed = static_cast<double>(wall.elapsed()) / 1000.0;
            std::cout << (sounds.empty() ? "idle board: " : "idle board with music: ") << used << " s of CPU in " << elapsed << " s, " << 100.0 * used / elapsed
                      << " % of one core" << std::endl;
            poll.stop();
            QApplication::quit();
        }
    });
    poll.start();
    return QApplication::exec();
}
