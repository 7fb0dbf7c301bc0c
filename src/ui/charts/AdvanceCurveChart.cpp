#include "charts/AdvanceCurveChart.h"

#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>

#include "charts/CurvePalette.h"
#include "model/FieldTable.h"

namespace tarvel::ui {

namespace {

// The values as the edits show them: speed in rpm, advance in degrees.
int speedOf(const ParamImage& image, int column)
{
    static const FieldDescriptor* const mapRpm = findField("mapRpm");
    return mapRpm->controlValue(image, column);
}

int advanceOf(const ParamImage& image, int row, int column)
{
    static const FieldDescriptor* const advance = findField("advance");
    return advance->controlValue(image, 10 * row + column);
}

}  // namespace

// The view is made with its chart: a view made without one makes a chart of
// its own, which setChart() would drop without deleting.
AdvanceCurveChart::AdvanceCurveChart(QWidget* parent) : QChartView(new QChart(), parent)
{
    QChart* c = chart();
    c->setMargins(QMargins(2, 2, 2, 2));
    c->legend()->setAlignment(Qt::AlignRight);
    speedAxis_ = new QValueAxis(c);
    speedAxis_->setTitleText(QStringLiteral("RPM"));
    speedAxis_->setLabelFormat(QStringLiteral("%d"));
    advanceAxis_ = new QValueAxis(c);
    advanceAxis_->setTitleText(QStringLiteral("[°]"));
    advanceAxis_->setLabelFormat(QStringLiteral("%d"));
    c->addAxis(speedAxis_, Qt::AlignBottom);
    c->addAxis(advanceAxis_, Qt::AlignLeft);
    marker_ = new QScatterSeries();
    marker_->setName(QStringLiteral("●"));
    marker_->setColor(operatingPointColour());
    marker_->setBorderColor(Qt::black);
    marker_->setMarkerSize(11);
    c->addSeries(marker_);
    marker_->attachAxis(speedAxis_);
    marker_->attachAxis(advanceAxis_);
    // The marker needs no line in the legend.
    for (QLegendMarker* m : c->legend()->markers(marker_))
        m->setVisible(false);
    setRenderHint(QPainter::Antialiasing, true);
    setObjectName(QStringLiteral("AdvanceCurveChart"));
}

void AdvanceCurveChart::setCurve(const ParamImage& image, bool allRows)
{
    image_ = image;
    const int rows = allRows ? 10 : 1;
    if (allRows != allRows_ || curves_.size() != rows) {
        for (QLineSeries* s : curves_) {
            chart()->removeSeries(s);
            delete s;
        }
        curves_.clear();
        for (int i = 0; i < rows; ++i) {
            auto* s = new QLineSeries();
            const int row = allRows ? i : 9;
            s->setName(QStringLiteral("%1%").arg(kTpsBreakpoints[static_cast<std::size_t>(row)]));
            chart()->addSeries(s);
            s->setColor(curveColour(static_cast<std::size_t>(i)));  // over the theme's five
            s->attachAxis(speedAxis_);
            s->attachAxis(advanceAxis_);
            curves_.push_back(s);
        }
        chart()->legend()->setVisible(allRows);
        allRows_ = allRows;
    }
    int lo = 0, hi = 10, right = 1000;
    for (int i = 0; i < rows; ++i) {
        const int row = allRows ? i : 9;
        QList<QPointF> points;
        for (int r = 0; r < 10; ++r) {
            const int a = advanceOf(image, row, r);
            points.append(QPointF(speedOf(image, r), a));
            lo = std::min(lo, a);
            hi = std::max(hi, a);
        }
        curves_[i]->replace(points);
    }
    for (int r = 0; r < 10; ++r)
        right = std::max(right, speedOf(image, r));
    // Round steps: every 1000 rpm (2000 past 10,000), every 5 or 10 degrees.
    const int top = (right + 999) / 1000 * 1000;
    speedAxis_->setRange(0, top);
    speedAxis_->setTickType(QValueAxis::TicksDynamic);
    speedAxis_->setTickAnchor(0);
    speedAxis_->setTickInterval(top > 10000 ? 2000 : 1000);
    const int low = lo >= 0 ? 0 : (lo - 4) / 5 * 5, high = (hi + 5 + 4) / 5 * 5;
    advanceAxis_->setRange(low, high);
    advanceAxis_->setTickType(QValueAxis::TicksDynamic);
    advanceAxis_->setTickAnchor(0);
    advanceAxis_->setTickInterval(high - low > 40 ? 10 : 5);
    placeMarker();
}

void AdvanceCurveChart::setOperatingPoint(const std::optional<link::OperatingPoint>& op)
{
    if (op == op_)
        return;
    op_ = op;
    placeMarker();
}

void AdvanceCurveChart::placeMarker()
{
    QList<QPointF> point;
    if (op_ && op_->litMapColumn() >= 0) {
        const int column = op_->litMapColumn();
        const int row = allRows_ ? op_->litTpsRow() : 9;
        point.append(QPointF(speedOf(image_, column), advanceOf(image_, row, column)));
    }
    marker_->replace(point);
}

}  // namespace tarvel::ui
