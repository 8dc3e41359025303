#pragma once
// The Qt front end: shows every loaded form of the model as a window, keeps
// the windows up to date after each event, runs the model's timers on real
// time, and shows the system's message boxes and the browser.

#include <QElapsedTimer>
#include <QKeySequence>
#include <QObject>
#include <QTimer>
#include <filesystem>
#include <map>
#include <memory>

#include "engine/program.h"
#include "qt/front_end_seams.h"
#include "toolkit/application.h"

namespace zv {

class FormWindow;

class QtFrontEnd : public QObject, public Host {
public:
    // `sounds` holds the game's rendered cues; empty for a silent game.
    explicit QtFrontEnd(std::filesystem::path appDir, FrontEndSeams seams = {}, std::filesystem::path sounds = {});
    ~QtFrontEnd() override;

    // Starts the program in its start-up window.
    void start();
    App& app() { return *app_; }
    Program& program() { return *program_; }

    void messageBox(const std::string& text, const std::string& title) override;
    void openUrl(const std::string& address) override;
    std::string chooseFile(FileChoice kind, const std::string& title, const std::string& suggested) override;
    void playEffect(const std::string& name) override;
    void playMusic(const std::string& name) override;
    void say(const std::string& line) override;
    void setVolumes(int music, int effects) override;

    // After every event: windows brought up to date, the clock re-armed.
    void afterEvent();

    // The window that shows a loaded form, or null.
    FormWindow* windowOf(const std::string& form) const;

protected:
    // Keys beside the mouse: a key clicks the control whose key it is in
    // the active window (on the board, its dialogs in front first); Enter
    // the default button, Esc the cancel button.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool pressKey(FormWindow& window, const QKeySequence& key, QWidget* focus);
    FormWindow* formWindowOf(const QWidget* topLevel) const;
    void sync();
    void armClock();
    void tick();

    FrontEndSeams seams_;
    std::unique_ptr<App> app_;
    std::unique_ptr<Program> program_;
    // By the form's instance: a form loaded anew gets a window of its own.
    std::map<unsigned long, FormWindow*> windows_;
    QElapsedTimer elapsed_;
    QTimer clock_;
    // Sound starts once the menu is on screen, so that the menu never waits
    // for the audio system; what was asked before plays then.
    void startSound();
    std::filesystem::path soundFolder_;
    std::unique_ptr<class SoundOutput> sound_;
    std::unique_ptr<class HostVoice> voice_;
    std::string musicAsked_;
    bool quitting_ = false;
    bool reportStartup_ = false;
};

}  // namespace zv
