#include "qt/bar_chart_view.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QLineSeries>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace zv {

namespace {

QColor qcolor(Color c) { return QColor(c.r, c.g, c.b); }

// Dark text on a light panel, light text on a dark one.
QColor textOn(Color back)
{
    const double light = 0.299 * back.r + 0.587 * back.g + 0.114 * back.b;
    return light > 140 ? QColor(20, 20, 40) : QColor(255, 220, 170);
}

double valueOf(const Control& label)
{
    try {
        return std::max(0.0, std::stod(label.caption()));
    } catch (...) {
        return 0;  // an empty caption: no bar
    }
}

}  // namespace

BarChartView::BarChartView(const Control& frame, QWidget* parent)
    : QWidget(parent), frame_(frame), chart_(*frame.barChart()), view_(new QChartView(this)), qchart_(new QChart),
      set_(new QBarSet(QString())), categories_(new QBarCategoryAxis), values_(new QValueAxis)
{
    QAbstractSeries* series = nullptr;
    if (chart_.line) {
        line_ = new QLineSeries;
        line_->setPointsVisible(true);
        series = line_;
    } else {
        auto* bars = new QBarSeries;
        bars->append(set_);
        bars->setBarWidth(0.6);
        bars->setLabelsVisible(true);
        bars->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
        // Many bars stand close: their values go without the sign the axis
        // title already gives.
        bars->setLabelsFormat(chart_.percent && chart_.categories.size() <= 8 ? "@value%" : "@value");
        bars->setLabelsPrecision(12);  // whole numbers in full, never 1.5e+03
        series = bars;
    }
    qchart_->addSeries(series);
    for (const std::string& c : chart_.categories) categories_->append(QString::fromStdString(c));
    if (!chart_.categoryTitle.empty()) categories_->setTitleText(QString::fromStdString(chart_.categoryTitle));
    // The value's name over the chart, not along a short axis where it
    // would be cut.
    if (!chart_.valueTitle.empty()) qchart_->setTitle(QString::fromStdString(chart_.valueTitle));
    values_->setLabelFormat("%d");
    qchart_->addAxis(categories_, Qt::AlignBottom);
    qchart_->addAxis(values_, Qt::AlignLeft);
    series->attachAxis(categories_);
    series->attachAxis(values_);
    qchart_->legend()->hide();
    qchart_->setBackgroundRoundness(0);
    qchart_->layout()->setContentsMargins(0, 0, 0, 0);
    qchart_->setMargins(QMargins(4, 4, 4, 2));
    view_->setChart(qchart_);
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    // The chart only shows: the pointer belongs to the frame beneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BarChartView::refresh(double textScale)
{
    std::vector<double> values;
    for (const Control* label : chart_.valueLabels) values.push_back(valueOf(*label));
    if (values == shown_ && textScale == textScale_) return;
    shown_ = values;
    textScale_ = textScale;

    const Color back = frame_.backColor();
    const QColor text = textOn(back);
    qchart_->setBackgroundBrush(qcolor(back));
    view_->setBackgroundBrush(qcolor(back));
    qchart_->setPlotAreaBackgroundVisible(false);
    set_->remove(0, set_->count());
    for (double v : values) set_->append(v);
    if (chart_.barColour) set_->setColor(qcolor(chart_.barColour->backColor()));
    if (line_) {
        // Only the values given: a course of three games is three points.
        QList<QPointF> points;
        for (std::size_t i = 0; i < chart_.valueLabels.size(); ++i)
            if (!chart_.valueLabels[i]->caption().empty()) points.append(QPointF(static_cast<double>(i), values[i]));
        line_->replace(points);
        QPen pen(chart_.barColour ? qcolor(chart_.barColour->backColor()) : text);
        pen.setWidthF(2 * textScale);
        line_->setPen(pen);
        line_->setColor(pen.color());
    }
    set_->setBorderColor(text);
    set_->setLabelColor(text);
    QFont labels("Arial");
    labels.setPointSizeF(7.5 * textScale);
    QFont titles("Arial");
    titles.setPointSizeF(8 * textScale);
    titles.setBold(true);
    QFont small("Arial");
    small.setPointSizeF(6.5 * textScale);
    set_->setLabelFont(chart_.categories.size() > 8 ? small : labels);
    for (QAbstractAxis* axis : {static_cast<QAbstractAxis*>(categories_), static_cast<QAbstractAxis*>(values_)}) {
        axis->setLabelsColor(text);
        axis->setLabelsFont(labels);
        axis->setTitleBrush(text);
        axis->setTitleFont(titles);
        axis->setLinePenColor(text);
        axis->setGridLineColor(QColor(text.red(), text.green(), text.blue(), 50));
    }
    // Many categories take the small type, so that each keeps its number.
    categories_->setLabelsFont(chart_.categories.size() > 8 ? small : titles);
    qchart_->setTitleFont(titles);
    qchart_->setTitleBrush(text);
    // Room above the highest bar for its value; a share never passes 100.
    const double top = values.empty() ? 1 : *std::max_element(values.begin(), values.end());
    const double max = chart_.percent ? 100 : std::max(2.0, std::ceil(top * 1.2 / 2) * 2);
    values_->setRange(0, max);
    values_->setTickCount(3);
    // Round steps on a count or an amount: 0, 1000, 2000 rather than 0, 901, 1802.
    if (!chart_.percent) values_->applyNiceNumbers();
    // Rupees up to a crore: whole numbers, never in exponent form.
    values_->setLabelFormat(max >= 100000 ? "%.0f" : "%d");
}

}  // namespace zv

namespace zv {

std::vector<double> BarChartView::values() const
{
    std::vector<double> out;
    for (int i = 0; i < set_->count(); ++i) out.push_back(set_->at(i));
    return out;
}

double BarChartView::axisTop() const { return values_->max(); }

}  // namespace zv
