// Channels of a data log over time, in one chart: one line per chosen
// channel, one value axis per unit (left and right in turn), titled with the
// unit from the log's field table. Long logs are thinned to the width of the
// plot each time the time span changes, so a hundred thousand records draw as
// fast as a thousand. A live chart shows the last seconds of a growing log.
#pragma once

#include <QChart>
#include <QWidget>

#include <map>
#include <memory>
#include <vector>

#include "datalog/DataLog.h"

class QLineSeries;
class QValueAxis;

namespace tarvel::ui {

class ChartView;

class ChannelChart : public QWidget {
    Q_OBJECT
public:
    explicit ChannelChart(QWidget* parent = nullptr);

    // The log drawn; the span becomes the whole log (or its last `follow`
    // seconds). Keeps the chosen channels whose names the log has.
    void setLog(std::shared_ptr<const datalog::DataLog> log);
    const datalog::DataLog* log() const { return log_.get(); }
    // Live: the span follows the last `seconds` of the log (0: off).
    void setFollow(double seconds) { follow_ = seconds; }
    double follow() const { return follow_; }
    // The log has more records: draws them (a live chart moves its span).
    void logGrew();

    // Field indexes of the log to draw, in this order.
    void setChannels(const std::vector<std::size_t>& fields);
    const std::vector<std::size_t>& channels() const { return channels_; }

    QChart* chart() const { return chart_; }
    ChartView* view() const { return view_; }
    QValueAxis* timeAxis() const { return timeAxis_; }

    // The cursor line at a log time; NaN hides it.
    void setCursorTime(double seconds);
    double cursorTime() const;
    // "RPM: 4500 rpm" for each channel at the cursor (the record at or before it).
    QStringList cursorValues() const;
    // The word before the cursor's time ("Time: 2.000 s"), in the window's language.
    void setTimeWord(const QString& word) { timeWord_ = word; }

    // Points handed to the chart at the last drawing, all series together.
    std::size_t pointsDrawn() const { return pointsDrawn_; }

signals:
    // A click put the cursor at this log time.
    void cursorMoved(double seconds);

private:
    void rebuild();
    void redraw();
    const std::vector<double>& values(std::size_t field);
    void fullSpan(double& from, double& to) const;

    QChart* chart_ = nullptr;
    ChartView* view_ = nullptr;
    QValueAxis* timeAxis_ = nullptr;
    std::shared_ptr<const datalog::DataLog> log_;
    std::vector<std::size_t> channels_;
    std::vector<QLineSeries*> series_;
    std::map<std::size_t, std::vector<double>> cache_;
    double follow_ = 0;
    bool drawing_ = false;
    std::size_t pointsDrawn_ = 0;
    QString timeWord_ = QStringLiteral("Time");
};

}  // namespace tarvel::ui
