#pragma once
// What the Qt front end asks of the system, in one place that a test can
// replace: the time, and the showing of a message box. Left empty, each is
// the real one (qt_front_end.cpp).

#include <QString>
#include <cstdint>
#include <functional>

class QWidget;

namespace zv {

struct FrontEndSeams {
    // Milliseconds since the front end started; the model's timers tick by it.
    std::function<std::int64_t()> now;
    // Shows a message box over `parent` and returns when it is closed.
    std::function<void(QWidget* parent, const QString& title, const QString& text)> showMessage;
};

}  // namespace zv
