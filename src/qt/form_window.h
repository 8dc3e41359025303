#pragma once
// One window of the program drawn with Qt widgets: every control of the
// form becomes a widget at its position (twips / 15 = pixels, times the
// board's scale when it is drawn in a window of another size than the
// screen it was laid out for). Clicks, mouse moves, key presses and typed
// text go to the model; after every event the window is brought up to date
// from the model's properties.

#include <QWidget>
#include <functional>
#include <map>
#include <string>

#include "toolkit/application.h"

namespace zv {

class BarChartView;

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
    // The chart that draws a frame, or null.
    BarChartView* chartOf(const Control& frame) const
    {
        auto it = charts_.find(&frame);
        return it == charts_.end() ? nullptr : it->second;
    }
    // The control that a widget draws, or null.
    Control* controlOfWidget(const QWidget* w) const { return w ? controlOf(const_cast<QWidget*>(w)) : nullptr; }
    // The board: full screen, or an ordinary window that can be moved and
    // sized.
    void toggleFullScreen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct View {
        Control* control = nullptr;
        QWidget* widget = nullptr;
        // What was last shown, so that only changes reach the widget.
        std::string caption, text, picture, tip;
        Color fore{-1, -1, -1}, back{-1, -1, -1};
        int left = -1, top = -1, width = -1, height = -1, value = -1;
        double fontSize = -1, modelFontSize = -1;
        int visible = -1, enabled = -1;
        unsigned items = static_cast<unsigned>(-1);
        int listIndex = -2;
    };
    QWidget* makeWidget(Control& c, QWidget* parent);
    void syncView(View& v);
    void placeWindow();
    void relayout();
    void keepPanelsApart();
    double textScale() const;
    Control* controlOf(QObject* o) const;
    // The control drawn under a point of the screen, or null over the bare
    // form.
    Control* controlAt(const QPointF& global) const;

    App& app_;
    Form& form_;
    std::function<void()> afterEvent_;
    std::map<const Control*, View> views_;
    std::map<const QObject*, Control*> controlsByWidget_;
    std::map<const Control*, BarChartView*> charts_;
    // The board's scale in a window of another size than its screen.
    double sx_ = 1, sy_ = 1;
    unsigned focusRequests_ = 0;
    Control* pressed_ = nullptr;
    unsigned shownCount_ = 0;
    bool placed_ = false;
    bool syncing_ = false;
    bool painted_ = false;
    std::function<void(Form&)> onFirstPaint_;
};

}  // namespace zv
