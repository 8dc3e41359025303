#pragma once
// Plays the game's sounds: each effect preloaded (QSoundEffect), so that it
// starts at once; the music as one looping player. Volumes come from the
// player's settings; M mutes and unmutes everything. On a machine without a
// sound device everything here is silent, said once on standard error, and
// nothing ever waits for audio.

#include <QObject>
#include <QString>
#include <filesystem>
#include <functional>
#include <map>

#include "ui/sound_settings.h"

class QSoundEffect;
class QMediaPlayer;
class QAudioOutput;

namespace zv {

class SoundOutput : public QObject {
public:
    // `folder` holds the rendered cues, NAME.wav; a missing folder or file
    // is silence.
    SoundOutput(std::filesystem::path folder, SoundSettings settings);
    ~SoundOutput() override;

    void effect(const QString& name);
    // Loops `name` in place of the music playing; empty stops the music.
    void music(const QString& name);
    void apply(const SoundSettings& settings);
    void toggleMute();
    bool muted() const { return muted_; }
    // Whether there is a device to play on.
    bool available() const { return available_; }
    // Called when an effect has started to play (for measuring).
    void setOnStarted(std::function<void(const QString&)> f) { onStarted_ = std::move(f); }

private:
    QSoundEffect* effectNamed(const QString& name);
    void applyVolumes();

    std::filesystem::path folder_;
    SoundSettings settings_;
    bool available_ = false;
    bool muted_ = false;
    std::map<QString, QSoundEffect*> effects_;
    QMediaPlayer* player_ = nullptr;
    QAudioOutput* output_ = nullptr;
    QString playing_;
    std::function<void(const QString&)> onStarted_;
};

}  // namespace zv
