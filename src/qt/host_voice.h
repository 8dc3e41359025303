#pragma once
// The host's voice: speaks the lines the game gives it with the system's
// speech engine (flite where installed). A new line cuts the one being
// spoken; speaking never holds up the game. Without an engine, silent.

#include <QObject>
#include <QString>

class QTextToSpeech;

namespace zv {

class HostVoice : public QObject {
public:
    HostVoice();
    void say(const QString& line);
    void setMuted(bool muted) { muted_ = muted; }

private:
    QTextToSpeech* speech_ = nullptr;
    bool muted_ = false;
};

}  // namespace zv
