#pragma once
// A frame of the model drawn as a bar chart with Qt Charts: the audience
// poll, the Question Analyzer's questions per level, the Statistics
// window's charts (one of them a line). Bars stand on their
// axis, heights in proportion to the values, the value over each bar and
// the category centred under it.

#include <QWidget>

#include "toolkit/control.h"

QT_BEGIN_NAMESPACE
class QBarSet;
class QLineSeries;
class QBarCategoryAxis;
class QChart;
class QChartView;
class QValueAxis;
QT_END_NAMESPACE

namespace zv {

class BarChartView : public QWidget {
public:
    BarChartView(const Control& frame, QWidget* parent);
    // Takes the values, colours and fonts from the model again.
    void refresh(double textScale);
    // The bars as drawn, and the top of the value axis.
    std::vector<double> values() const;
    double axisTop() const;

private:
    const Control& frame_;
    const BarChart& chart_;
    QChartView* view_;
    QChart* qchart_;
    QBarSet* set_;
    QLineSeries* line_ = nullptr;  // a chart of a course drawn as a line
    QBarCategoryAxis* categories_;
    QValueAxis* values_;
    std::vector<double> shown_;
    double textScale_ = 0;
};

}  // namespace zv
