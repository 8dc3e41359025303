#include "qt/host_voice.h"

#include <QTextToSpeech>
#include <cstdio>

namespace zv {

HostVoice::HostVoice()
{
    const QStringList engines = QTextToSpeech::availableEngines();
    if (engines.isEmpty()) {
        std::fputs("Zarvana: no speech engine; the host's voice is silent.\n", stderr);
        return;
    }
    // flite speaks offline and is the one the game is packaged with.
    speech_ = new QTextToSpeech(engines.contains("flite") ? QString("flite") : engines.first(), this);
}

void HostVoice::say(const QString& line)
{
    if (!speech_ || muted_) return;
    speech_->stop();
    speech_->say(line);
}

}  // namespace zv
