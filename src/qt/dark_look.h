#pragma once
// One dark look for every window beside the board: buttons, boxes, lists,
// tool tips and the program's message boxes, with the keyboard focus
// always visible.

#include <QString>

class QWidget;

namespace zv {

// The style sheet the whole program runs with.
QString darkStyleSheet();

// A message box in the dark look, with an OK button that Enter and Esc
// both press, its title shown in full. Returns when it is closed.
void showMessage(QWidget* parent, const QString& title, const QString& text);

// A tool tip broken into lines of a readable width.
QString wrappedTip(const QString& tip);

}  // namespace zv
