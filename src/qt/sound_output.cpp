#include "qt/sound_output.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QSoundEffect>
#include <QUrl>
#include <cstdio>

namespace zv {

namespace {

// Every cue that plays once: loaded at the start, so that none waits for its
// file when its moment comes.
const char* const kEffects[] = {"lock",     "right",       "wrong",         "milestone",  "win",
                                "withdraw", "fifty_fifty", "audience_poll", "phone_ring", "phone_clock",
                                "advice"};

QUrl fileOf(const std::filesystem::path& folder, const QString& name)
{
    const std::u8string path = (folder / (name.toStdString() + ".wav")).u8string();
    return QUrl::fromLocalFile(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())));
}

}  // namespace

SoundOutput::SoundOutput(std::filesystem::path folder, SoundSettings settings)
    : folder_(std::move(folder)), settings_(settings)
{
    available_ = !QMediaDevices::audioOutputs().isEmpty();
    if (!available_) {
        std::fputs("Zarvana: no sound device; the game plays silently.\n", stderr);
        return;
    }
    for (const char* name : kEffects) {
        auto* e = new QSoundEffect(this);
        e->setSource(fileOf(folder_, name));
        effects_[name] = e;
        connect(e, &QSoundEffect::playingChanged, this, [this, e, name] {
            if (e->isPlaying() && onStarted_) onStarted_(name);
        });
    }
    output_ = new QAudioOutput(this);
    player_ = new QMediaPlayer(this);
    player_->setAudioOutput(output_);
    player_->setLoops(QMediaPlayer::Infinite);
    applyVolumes();
}

SoundOutput::~SoundOutput() = default;

QSoundEffect* SoundOutput::effectNamed(const QString& name)
{
    auto it = effects_.find(name);
    return it == effects_.end() ? nullptr : it->second;
}

void SoundOutput::effect(const QString& name)
{
    if (!available_) return;
    // Asked again while it plays, an effect starts from its beginning.
    if (QSoundEffect* e = effectNamed(name)) {
        e->stop();
        e->play();
    }
}

void SoundOutput::music(const QString& name)
{
    if (!available_ || name == playing_) return;
    playing_ = name;
    player_->stop();
    if (name.isEmpty()) return;
    player_->setSource(fileOf(folder_, name));
    player_->play();
}

void SoundOutput::apply(const SoundSettings& settings)
{
    settings_ = settings;
    applyVolumes();
}

void SoundOutput::toggleMute()
{
    muted_ = !muted_;
    applyVolumes();
}

void SoundOutput::applyVolumes()
{
    if (!available_) return;
    const float effects = muted_ ? 0.0f : static_cast<float>(settings_.effects) / 100.0f;
    const float music = muted_ ? 0.0f : static_cast<float>(settings_.music) / 100.0f;
    for (auto& [name, e] : effects_) e->setVolume(effects);
    output_->setVolume(music);
}

}  // namespace zv
