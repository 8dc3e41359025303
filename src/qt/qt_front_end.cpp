#include "qt/qt_front_end.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>
#include <chrono>
#include <cstdio>
#include <algorithm>

#include "qt/dark_look.h"
#include "qt/form_window.h"
#include "qt/host_voice.h"
#include "qt/sound_output.h"
#include "ui/sound_settings.h"
#include "ui/forms.h"

namespace zv {

QtFrontEnd::QtFrontEnd(std::filesystem::path appDir, FrontEndSeams seams, std::filesystem::path sounds)
    : seams_(std::move(seams)), app_(std::make_unique<App>(*this, std::move(appDir))),
      program_(std::make_unique<Program>(*app_)), soundFolder_(std::move(sounds))
{
    if (!seams_.now) seams_.now = [this] { return elapsed_.elapsed(); };
    if (!seams_.showMessage) seams_.showMessage = &showMessage;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize size = screen->geometry().size();
        app_->setScreen(size.width() * kTwipsPerPixel, size.height() * kTwipsPerPixel);
    }
    // The reveals count whole seconds: a precise timer keeps 10 seconds of
    // suspense 10 seconds long.
    qApp->installEventFilter(this);
    reportStartup_ = qEnvironmentVariableIsSet("ZARVANA_REPORT_STARTUP");
    clock_.setTimerType(Qt::PreciseTimer);
    clock_.setSingleShot(true);
    connect(&clock_, &QTimer::timeout, this, [this] { tick(); });
    elapsed_.start();
}

QtFrontEnd::~QtFrontEnd()
{
    for (auto& [form, window] : windows_) delete window;
    windows_.clear();
}

void QtFrontEnd::start()
{
    startProgram(*program_);
    afterEvent();
    if (!soundFolder_.empty()) QTimer::singleShot(0, this, [this] { startSound(); });
}

void QtFrontEnd::startSound()
{
    if (app_->ended()) return;
    const SoundSettings settings = readSoundSettings(app_->path() / kSettingsFile);
    sound_ = std::make_unique<SoundOutput>(soundFolder_, settings);
    voice_ = std::make_unique<HostVoice>();
    sound_->music(QString::fromStdString(musicAsked_));
}

void QtFrontEnd::playEffect(const std::string& name)
{
    if (sound_) sound_->effect(QString::fromStdString(name));
}

void QtFrontEnd::playMusic(const std::string& name)
{
    musicAsked_ = name;
    if (sound_) sound_->music(QString::fromStdString(name));
}

void QtFrontEnd::say(const std::string& line)
{
    if (voice_) voice_->say(QString::fromUtf8(line.c_str()));
}

void QtFrontEnd::setVolumes(int music, int effects)
{
    if (!sound_) return;
    SoundSettings s;
    s.music = music;
    s.effects = effects;
    sound_->apply(s);
}

void QtFrontEnd::afterEvent()
{
    if (app_->inEvent()) return;  // a message box's own loop: the event is not over
    sync();
    armClock();
}

void QtFrontEnd::sync()
{
    std::vector<Form*> loaded = app_->loadedForms();
    // Windows of unloaded forms go.
    for (auto it = windows_.begin(); it != windows_.end();) {
        const unsigned long instance = it->first;
        if (std::none_of(loaded.begin(), loaded.end(), [instance](Form* f) { return f->instance() == instance; })) {
            it->second->hide();
            it->second->deleteLater();
            it = windows_.erase(it);
        } else {
            ++it;
        }
    }
    for (Form* f : loaded) {
        auto it = windows_.find(f->instance());
        if (it == windows_.end()) {
            it = windows_.emplace(f->instance(), new FormWindow(*app_, *f, [this] { afterEvent(); })).first;
            if (reportStartup_) it->second->setOnFirstPaint([](Form& shown) {
                // For measuring the start: the moment the menu is on screen.
                if (shown.name() != "Main") return;
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                std::printf("main menu on screen at %lld ms\n",
                            static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count()));
                std::fflush(stdout);
                QTimer::singleShot(0, [] { QApplication::quit(); });
            });
        }
        it->second->sync();
    }
    if (app_->ended() && !quitting_) {
        quitting_ = true;
        QApplication::quit();
    }
}

bool QtFrontEnd::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() || app_->inEvent()) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    QWidget* focus = QApplication::focusWidget();
    // A key travels up from the focus to its window: it counts once.
    QWidget* first = focus ? focus : QApplication::activeWindow();
    if (key->isAutoRepeat() || (first && watched != first)) return false;
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const bool escape = key->key() == Qt::Key_Escape;
    // Typing in a text box or a list stays typing; Enter and Esc still
    // answer the window.
    if (focus && !enter && !escape &&
        (qobject_cast<QLineEdit*>(focus) || qobject_cast<QComboBox*>(focus) || qobject_cast<QAbstractItemView*>(focus)))
        return false;
    // The window that the key went to is the one the player is in.
    FormWindow* active = formWindowOf(static_cast<QWidget*>(watched)->window());
    if (!active) return false;
    if (key->key() == Qt::Key_M && key->modifiers() == Qt::NoModifier) {
        // All sound off and on again, from any window.
        if (!sound_) return false;
        sound_->toggleMute();
        if (voice_) voice_->setMuted(sound_->muted());
        return true;
    }
    if (key->key() == Qt::Key_F11) {
        if (active->form().style() != WindowStyle::Board) return false;
        active->toggleFullScreen();
        return true;
    }
    if (!pressKey(*active, QKeySequence(key->keyCombination()), focus)) return false;
    afterEvent();
    return true;
}

FormWindow* QtFrontEnd::formWindowOf(const QWidget* topLevel) const
{
    for (const auto& [instance, window] : windows_)
        if (window == topLevel) return window;
    return nullptr;
}

bool QtFrontEnd::pressKey(FormWindow& window, const QKeySequence& key, QWidget* focus)
{
    // The window's own keys only: the menu's letters never act on the board.
    // The board's dialogs brought up in front of it answer its keys first,
    // the latest in front.
    std::vector<Form*> forms{&window.form()};
    if (window.form().style() == WindowStyle::Board) {
        std::vector<Form*> loaded = app_->loadedForms();
        for (auto it = loaded.rbegin(); it != loaded.rend(); ++it)
            if ((*it)->style() == WindowStyle::Bare && (*it)->visible()) forms.insert(forms.begin(), *it);
    }
    const bool enter = key == QKeySequence(Qt::Key_Return) || key == QKeySequence(Qt::Key_Enter);
    const bool escape = key == QKeySequence(Qt::Key_Escape);
    for (Form* form : forms) {
        // Enter presses the button that has the focus, else the default one.
        if (enter && form == &window.form())
            if (Control* c = window.controlOfWidget(focus); c && c->kind() == Kind::CommandButton && app_->click(*c))
                return true;
        for (const auto& c : form->controls()) {
            if (!app_->canReceive(*c)) continue;
            const bool byRole = (enter && c->isDefault()) || (escape && c->isCancel());
            const bool byKey = !c->shortcut().empty() &&
                               (QKeySequence(QString::fromStdString(c->shortcut())) == key ||
                                (c->shortcut() == "Return" && key == QKeySequence(Qt::Key_Enter)));
            if (byRole || byKey) {
                app_->click(*c);
                return true;
            }
        }
    }
    // Esc closes a dialog that has no cancel button, as its close box does.
    if (escape && window.form().style() == WindowStyle::Dialog) return app_->closeBox(window.form());
    return false;
}

FormWindow* QtFrontEnd::windowOf(const std::string& form) const
{
    Form* f = app_->find(form);
    if (!f) return nullptr;
    auto it = windows_.find(f->instance());
    return it == windows_.end() ? nullptr : it->second;
}

void QtFrontEnd::armClock()
{
    auto due = app_->nextDue();
    if (!due) {
        clock_.stop();
        return;
    }
    const qint64 wait = std::max<qint64>(0, *due - seams_.now());
    clock_.start(static_cast<int>(std::min<qint64>(wait, 1 << 30)));
}

void QtFrontEnd::tick()
{
    if (app_->inEvent()) {
        // A handler waits for a message box: ticks wait until it has ended.
        clock_.start(20);
        return;
    }
    app_->advanceTo(seams_.now(), true);
    afterEvent();
}

void QtFrontEnd::messageBox(const std::string& text, const std::string& title)
{
    // The windows show the state at this point of the handler.
    sync();
    seams_.showMessage(QApplication::activeWindow(), QString::fromUtf8(title.empty() ? "Zarvana" : title.c_str()),
                       QString::fromUtf8(text.c_str()));
}

std::string QtFrontEnd::chooseFile(FileChoice kind, const std::string& title, const std::string& suggested)
{
    sync();
    // Qt's own dialog, the same on every desktop, in the game's dark look.
    // A name alone starts in the player's home folder, not wherever the
    // program happened to be started from.
    QString start = QString::fromUtf8(suggested.c_str());
    if (QDir::isRelativePath(start)) start = QDir::home().filePath(start);
    const auto options = QFileDialog::DontUseNativeDialog;
    const QString chosen =
        kind == FileChoice::Open
            ? QFileDialog::getOpenFileName(QApplication::activeWindow(), QString::fromUtf8(title.c_str()), start,
                                           "Question sets (*.csv *.json *.zrv);;All files (*)", nullptr, options)
            : QFileDialog::getSaveFileName(QApplication::activeWindow(), QString::fromUtf8(title.c_str()), start,
                                           "Spreadsheet, CSV (*.csv);;JSON (*.json)", nullptr, options);
    const QByteArray bytes = chosen.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void QtFrontEnd::openUrl(const std::string& address)
{
    // A page of the game's own (help.html) is a file beside the program.
    const std::filesystem::path local = app_->path() / address;
    std::error_code ec;
    if (address.find(':') == std::string::npos && std::filesystem::exists(local, ec)) {
        // Through UTF-8, as the folder's name came from Qt (qt/gui.cpp): a
        // plain std::string is in the Windows code page.
        const std::u8string path = local.u8string();
        const QString file = QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
            showMessage(QApplication::activeWindow(), "Help",
                        "No program could be found to open the help page. It is here:\n" + file);
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromUtf8(address.c_str()))))
        showMessage(QApplication::activeWindow(), "Help",
                    "No program could be found to open " + QString::fromUtf8(address.c_str()) + ".");
}

}  // namespace zv
