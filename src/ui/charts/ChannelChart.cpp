#include "charts/ChannelChart.h"

#include <QLineSeries>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "charts/AxisRange.h"
#include "charts/ChartView.h"
#include "charts/CurvePalette.h"
#include "datalog/MinMaxDecimator.h"

namespace tarvel::ui {

namespace {

QString unitTitle(const std::string& units)
{
    return units.empty() ? QStringLiteral("-") : QString::fromStdString(units);
}

}  // namespace

ChannelChart::ChannelChart(QWidget* parent) : QWidget(parent)
{
    chart_ = new QChart();
    chart_->legend()->setAlignment(Qt::AlignBottom);
    chart_->setMargins(QMargins(4, 4, 4, 4));
    timeAxis_ = new QValueAxis(chart_);
    timeAxis_->setTitleText(QStringLiteral("s"));
    timeAxis_->setLabelFormat(QStringLiteral("%.1f"));
    chart_->addAxis(timeAxis_, Qt::AlignBottom);
    view_ = new ChartView(chart_, this);
    view_->setTimeAxis(timeAxis_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    connect(timeAxis_, &QValueAxis::rangeChanged, this, [this] { redraw(); });
    connect(view_, &ChartView::cursorPlaced, this, &ChannelChart::cursorMoved);
}

void ChannelChart::setLog(std::shared_ptr<const datalog::DataLog> log)
{
    // Keep the channels by name across logs.
    std::vector<std::string> names;
    if (log_)
        for (std::size_t f : channels_)
            names.push_back(log_->fields()[f].name);
    log_ = std::move(log);
    cache_.clear();
    channels_.clear();
    if (log_)
        for (const std::string& name : names)
            if (auto f = log_->fieldIndex(name))
                channels_.push_back(*f);
    rebuild();
}

void ChannelChart::logGrew()
{
    cache_.clear();
    double from = 0, to = 0;
    fullSpan(from, to);
    view_->setFullSpan(from, to);
    if (follow_ > 0)
        view_->showSpan(from, to);  // redraws through the range change
    else
        redraw();
}

void ChannelChart::setChannels(const std::vector<std::size_t>& fields)
{
    channels_.clear();
    for (std::size_t f : fields)
        if (log_ && f < log_->fields().size() && f != 0)
            channels_.push_back(f);
    rebuild();
}

const std::vector<double>& ChannelChart::values(std::size_t field)
{
    auto it = cache_.find(field);
    if (it == cache_.end())
        it = cache_.emplace(field, log_->channel(field)).first;
    return it->second;
}

void ChannelChart::fullSpan(double& from, double& to) const
{
    from = 0;
    to = 1;
    if (!log_ || log_->recordCount() == 0)
        return;
    to = log_->times().back();
    from = follow_ > 0 ? to - follow_ : log_->times().front();
    if (!(to > from))
        to = from + 1;
}

void ChannelChart::rebuild()
{
    drawing_ = true;
    chart_->removeAllSeries();
    series_.clear();
    for (QAbstractAxis* axis : chart_->axes(Qt::Vertical)) {
        chart_->removeAxis(axis);
        delete axis;
    }
    std::map<std::string, QValueAxis*> axes;
    std::map<std::string, std::pair<double, double>> ranges;
    int side = 0;
    for (std::size_t f : channels_) {
        const datalog::LogField& field = log_->fields()[f];
        QValueAxis*& axis = axes[field.units];
        if (!axis) {
            axis = new QValueAxis();
            axis->setTitleText(unitTitle(field.units));
            chart_->addAxis(axis, side++ % 2 == 0 ? Qt::AlignLeft : Qt::AlignRight);
            ranges[field.units] = {INFINITY, -INFINITY};
        }
        const std::vector<double>& y = values(f);
        auto& [lo, hi] = ranges[field.units];
        if (!y.empty()) {
            const auto [mn, mx] = std::minmax_element(y.begin(), y.end());
            lo = std::min(lo, *mn);
            hi = std::max(hi, *mx);
        }
        auto* series = new QLineSeries();
        series->setName(QString::fromStdString(field.name));
        chart_->addSeries(series);
        series->setColor(curveColour(series_.size()));  // over the theme's five
        series->attachAxis(timeAxis_);
        series->attachAxis(axis);
        series_.push_back(series);
    }
    for (auto& [units, axis] : axes) {
        auto [lo, hi] = ranges[units];
        if (units == "%") {
            // Whole percent ticks over the data, never past 0..100.
            const AxisRange range = percentAxisRange(lo, hi);
            axis->setRange(range.min, range.max);
            axis->setTickType(QValueAxis::TicksDynamic);
            axis->setTickAnchor(0);
            axis->setTickInterval(range.step);
            axis->setLabelFormat(QStringLiteral("%d"));
            continue;
        }
        if (!std::isfinite(lo))
            lo = 0, hi = 1;
        const double pad = hi > lo ? (hi - lo) * 0.05 : 1;
        axis->setRange(lo - pad, hi + pad);
        axis->applyNiceNumbers();
    }
    double from = 0, to = 0;
    fullSpan(from, to);
    view_->setFullSpan(from, to);
    drawing_ = false;
    if (timeAxis_->min() == from && timeAxis_->max() == to)
        redraw();
    else
        timeAxis_->setRange(from, to);
}

void ChannelChart::redraw()
{
    if (drawing_ || !log_)
        return;
    drawing_ = true;
    const auto buckets = static_cast<std::size_t>(std::max(100.0, chart_->plotArea().width()));
    std::vector<datalog::ChartPoint> points;
    QList<QPointF> list;
    pointsDrawn_ = 0;
    for (std::size_t i = 0; i < channels_.size(); ++i) {
        datalog::decimateMinMax(log_->times(), values(channels_[i]), timeAxis_->min(), timeAxis_->max(), buckets,
                                points);
        list.resize(static_cast<qsizetype>(points.size()));
        for (std::size_t k = 0; k < points.size(); ++k)
            list[static_cast<qsizetype>(k)] = QPointF(points[k].t, points[k].y);
        series_[i]->replace(list);
        pointsDrawn_ += points.size();
    }
    drawing_ = false;
}

void ChannelChart::setCursorTime(double seconds)
{
    view_->setCursorTime(seconds);
}

double ChannelChart::cursorTime() const
{
    return view_->cursorTime();
}

QStringList ChannelChart::cursorValues() const
{
    QStringList out;
    const double at = view_->cursorTime();
    if (!log_ || log_->recordCount() == 0 || std::isnan(at))
        return out;
    // Times are whole milliseconds scaled as a float: a record due at the
    // cursor counts as reached.
    const std::size_t index = log_->indexAtTime(at + 1e-4);
    out << QStringLiteral("%1: %2 s").arg(timeWord_).arg(log_->time(index), 0, 'f', 3);
    for (std::size_t f : channels_) {
        const datalog::LogField& field = log_->fields()[f];
        out << QStringLiteral("%1: %2 %3")
                   .arg(QString::fromStdString(field.name))
                   .arg(log_->value(index, f), 0, 'f', std::max<int>(0, field.digits))
                   .arg(QString::fromStdString(field.units))
                   .trimmed();
    }
    return out;
}

}  // namespace tarvel::ui
