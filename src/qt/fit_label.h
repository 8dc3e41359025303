#pragma once
// A label that always shows its whole caption in its box: a caption too
// long for the box is drawn smaller, down to a floor, and past the floor cut
// with an ellipsis. Questions of 160 characters and options of 40 fit the
// board this way at every window size.

#include <QLabel>

namespace zv {

class FitLabel : public QLabel {
public:
    using QLabel::QLabel;

    // What is drawn: the caption, or its start and an ellipsis, in the font
    // it fits at.
    QString shownText();
    QFont shownFont();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // What was fitted last, so that a flickering colour costs no layout.
    struct Fitted {
        QString text, shown;
        QSize size;
        QFont base, font;
        bool wrap = false;
    };
    void fit();
    void fitIfChanged();
    Fitted fitted_;
};

}  // namespace zv
