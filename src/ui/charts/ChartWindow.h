// The chart window: the channels to draw (ticked in a list), the chart of
// them over time, the values at the cursor line, and the advance curves of
// all throttle rows. It shows either live data (the last 60 s, scrolling) or
// a whole log; a click in a log's chart moves the cursor and asks the replay
// to go there.
#pragma once

#include <QWidget>

#include <chrono>
#include <memory>
#include <optional>

#include "datalog/DataLog.h"
#include "link/LiveSample.h"
#include "link/OperatingPoint.h"
#include "model/ParamImage.h"

class QLabel;
class QListWidget;
class QTabWidget;
class QTimer;

namespace tarvel::ui {

class AdvanceCurveChart;
class ChannelChart;

class ChartWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr double kLiveSeconds = 60;

    explicit ChartWindow(QWidget* parent = nullptr);

    // The window's own texts: 0 English, 1 German, 2 French, 3 Czech.
    void setLanguage(int language);

    // Live data: the samples handed to appendLive(), the last 60 s.
    void showLive();
    // Time 0 of the live chart is the first sample appended after showLive().
    void appendLive(const link::LiveSample& sample, const link::OperatingPoint& op,
                    std::chrono::steady_clock::time_point at = std::chrono::steady_clock::now());
    // A whole log, `name` shown above the chart.
    void showLog(std::shared_ptr<const datalog::DataLog> log, const QString& name);
    bool live() const { return live_; }

    // Channels ticked by name ("RPM", "TPS"); names the log lacks are skipped.
    void selectChannels(const QStringList& names);
    QStringList selectedChannels() const;

    // The replay moved: the cursor follows (log time).
    void setReplayTime(double seconds);

    // The advance curves of every throttle row, with the operating point.
    void setAdvanceCurves(const ParamImage& image, const std::optional<link::OperatingPoint>& op);

    ChannelChart* channelChart() const { return chart_; }
    AdvanceCurveChart* advanceChart() const { return curves_; }
    QListWidget* channelList() const { return list_; }
    QLabel* cursorLabel() const { return values_; }

signals:
    // A click in a log's chart: the replay should go to this log time.
    void seekRequested(double seconds);

private:
    void fillChannelList();
    void channelsTicked();
    void showCursorValues();

    QLabel* source_ = nullptr;
    QListWidget* list_ = nullptr;
    QLabel* values_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    ChannelChart* chart_ = nullptr;
    AdvanceCurveChart* curves_ = nullptr;
    QTimer* liveRedraw_ = nullptr;
    std::shared_ptr<datalog::DataLog> liveLog_;
    std::chrono::steady_clock::time_point liveStart_{};
    bool liveStarted_ = false;
    bool liveDirty_ = false;
    bool live_ = true;
    bool filling_ = false;
    int language_ = 0;
    QString logName_;
    std::size_t logRecords_ = 0;
    void showTexts();
};

}  // namespace tarvel::ui
