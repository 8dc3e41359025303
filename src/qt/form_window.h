#pragma once
// One window of the program drawn with Qt widgets: every control of the
// form becomes a widget at its position (twips / 15 = pixels). Clicks, mouse
// moves, key presses and typed text go to the model; after every event the
// window is brought up to date from the model's properties.

#include <QWidget>
#include <functional>
#include <map>
#include <string>

#include "toolkit/application.h"

namespace zv {

class FormWindow : public QWidget {
public:
    FormWindow(App& app, Form& form, std::function<void()> afterEvent);
    Form& form() const { return form_; }
    // Brings every widget up to date with the model.
    void sync();
    // Called when the window is first drawn on the screen.
    void setOnFirstPaint(std::function<void(Form&)> f) { onFirstPaint_ = std::move(f); }
    // The widget that draws a control, or null (timers have none).
    QWidget* widgetOf(const Control& c) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct View {
        Control* control = nullptr;
        QWidget* widget = nullptr;
        // What was last shown, so that only changes reach the widget.
        std::string caption, text, picture, tip;
        Color fore{-1, -1, -1}, back{-1, -1, -1};
        int left = -1, top = -1, width = -1, height = -1, value = -1;
        double fontSize = -1;
        int visible = -1, enabled = -1;
        unsigned items = static_cast<unsigned>(-1);
        int listIndex = -2;
    };
    QWidget* makeWidget(Control& c, QWidget* parent);
    void syncView(View& v);
    void placeWindow();
    Control* controlOf(QObject* o) const;

    App& app_;
    Form& form_;
    std::function<void()> afterEvent_;
    std::map<const Control*, View> views_;
    std::map<const QObject*, Control*> controlsByWidget_;
    Control* pressed_ = nullptr;
    unsigned shownCount_ = 0;
    bool placed_ = false;
    bool syncing_ = false;
    bool painted_ = false;
    std::function<void(Form&)> onFirstPaint_;
};

}  // namespace zv
