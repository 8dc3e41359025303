// Measures how soon an effect is playing once the game asks for it: each
// cue asked for in turn, the time from the ask to the audio system saying it
// plays. Needs a sound device (a null one does: pulseaudio's null sink).
//   zarvana_cue_latency SOUNDS [ROUNDS]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <iostream>
#include <vector>

#include "qt/sound_output.h"

int main(int argc, char** argv)
{
    QCoreApplication qt(argc, argv);
    if (argc < 2) {
        std::cerr << "usage: zarvana_cue_latency SOUNDS [ROUNDS]\n";
        return 2;
    }
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
    zv::SoundOutput out(argv[1], {});
    if (!out.available()) return 1;
    const QStringList cues = {"lock", "right", "wrong", "milestone", "fifty_fifty", "audience_poll", "advice"};
    std::vector<qint64> waits;
    QElapsedTimer clock;
    int asked = 0;
    out.setOnStarted([&](const QString&) { waits.push_back(clock.nsecsElapsed()); });
    QTimer next;
    next.setInterval(400);  // time to load, and apart enough to tell the cues apart
    QObject::connect(&next, &QTimer::timeout, [&] {
        if (asked == rounds * cues.size()) {
            QCoreApplication::quit();
            return;
        }
        clock.restart();
        out.effect(cues[asked++ % cues.size()]);
    });
    // The first round loads the files; it is not counted.
    QTimer::singleShot(1500, [&] { next.start(); });
    QCoreApplication::exec();
    if (waits.size() <= static_cast<std::size_t>(cues.size())) return 1;
    std::vector<qint64> counted(waits.begin() + cues.size(), waits.end());
    std::sort(counted.begin(), counted.end());
    std::cout << "cue start: median " << counted[counted.size() / 2] / 1000 << " us, largest " << counted.back() / 1000
              << " us over " << counted.size() << " cues\n";
    return 0;
}
