#include "qt/qt_front_end.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>
#include <chrono>
#include <cstdio>
#include <algorithm>

#include "qt/form_window.h"
#include "ui/forms.h"

namespace zv {

QtFrontEnd::QtFrontEnd(std::filesystem::path appDir)
    : app_(std::make_unique<App>(*this, std::move(appDir))), program_(std::make_unique<Program>(*app_))
{
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
    // Typing in a text box or a list stays typing.
    QWidget* focus = QApplication::focusWidget();
    if (focus && (qobject_cast<QLineEdit*>(focus) || qobject_cast<QComboBox*>(focus) || qobject_cast<QAbstractItemView*>(focus)))
        return false;
    // A key travels up from the focus to its window: it counts once.
    QWidget* first = focus ? focus : QApplication::activeWindow();
    if (key->isAutoRepeat() || (first && watched != first)) return false;
    if (key->key() == Qt::Key_F11) {
        // The board full screen, or in a window.
        if (FormWindow* board = windowOf("Game")) {
            board->isFullScreen() ? board->showMaximized() : board->showFullScreen();
            return true;
        }
        return false;
    }
    const QKeySequence pressed(key->keyCombination());
    if (!pressKey(pressed)) return false;
    afterEvent();
    return true;
}

bool QtFrontEnd::pressKey(const QKeySequence& key)
{
    std::vector<Form*> forms = app_->loadedForms();
    // The latest window is the one in front.
    for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
        for (const auto& c : (*it)->controls()) {
            if (c->shortcut().empty() || !app_->canReceive(*c)) continue;
            if (QKeySequence(QString::fromStdString(c->shortcut())) == key ||
                (c->shortcut() == "Return" && key == QKeySequence(Qt::Key_Enter))) {
                app_->click(*c);
                return true;
            }
        }
    }
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
    const qint64 wait = std::max<qint64>(0, *due - elapsed_.elapsed());
    clock_.start(static_cast<int>(std::min<qint64>(wait, 1 << 30)));
}

void QtFrontEnd::tick()
{
    if (app_->inEvent()) {
        // A handler waits for a message box: ticks wait until it has ended.
        clock_.start(20);
        return;
    }
    app_->advanceTo(elapsed_.elapsed(), true);
    afterEvent();
}

void QtFrontEnd::messageBox(const std::string& text, const std::string& title)
{
    // The windows show the state at this point of the handler.
    sync();
    QWidget* parent = QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(title.empty() ? "Zarvana" : title.c_str()),
                    QString::fromUtf8(text.c_str()), QMessageBox::Ok, parent);
    box.exec();
}

void QtFrontEnd::openUrl(const std::string& address)
{
    // A page of the game's own (help.html) is a file beside the program.
    const std::filesystem::path local = app_->path() / address;
    std::error_code ec;
    if (address.find(':') == std::string::npos && std::filesystem::exists(local, ec)) {
        // Through UTF-8, as the folder's name came from Qt (qt/gui.cpp): a
        // plain std::string is in the Windows code page.
        const std::u8string file = local.u8string();
        QDesktopServices::openUrl(
            QUrl::fromLocalFile(QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()))));
    } else {
        QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromUtf8(address.c_str())));
    }
}

}  // namespace zv
