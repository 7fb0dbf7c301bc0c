// The window's data logs: the Log menu, recording the accepted monitor frames
// from the tick, replaying a log into the live column and the highlight, the
// chart window, the advance curve on the Advance Map tab, and the line in the
// status bar that says what is recorded or replayed. The window calls ticked()
// after each link tick and asks replaying() before it shows a live frame.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include "WindowControls.h"
#include "charts/ChartWindow.h"
#include "datalog/DataLogRecorder.h"
#include "datalog/LogStatusText.h"
#include "datalog/ReplayController.h"
#include "link/DeviceLink.h"
#include "link/LiveSample.h"
#include "link/MonitorDecoder.h"
#include "model/Messages.h"

class QLabel;
class QSlider;
class QToolButton;
class QWidget;

namespace tarvel {

namespace ui {
class AdvanceCurveChart;
class ChartWindow;
}  // namespace ui

class LogController : public QObject {
    Q_OBJECT
public:
    using Clock = std::chrono::steady_clock;
    // Asks for a log file name: save (a new recording) or open (a replay),
    // proposing `proposed`. Empty when cancelled.
    using FileChooser = std::function<QString(QWidget* parent, bool save, const QString& proposed)>;
    // Shows why a log could not be written or read.
    using Complaint = std::function<void(const QString& text, const QString& detail)>;

    // `window` is the main window; the Log menu, the status bar and the
    // Advance Map tab are found in it by their objectNames. `settingsFolder`
    // holds the `logs` folder new recordings are proposed in.
    LogController(QWidget* window, const WindowControls& controls, link::DeviceLink& link, std::string settingsFolder);
    ~LogController() override;

    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
    void setComplaint(Complaint complaint) { complain_ = std::move(complaint); }
    void setLanguage(Language language);
    // The clock of the recording and the replay (the steady clock unless set).
    void setClock(std::function<Clock::time_point()> clock) { now_ = std::move(clock); }

    // After each link tick: records an accepted frame, notes a pause of the
    // frames for an operation, moves a playing replay.
    void ticked();

    // Recording.
    bool startRecording(const QString& path);
    void stopRecording();
    void mark(const QString& text = {});
    bool recording() const { return recorder_.isOpen(); }
    const datalog::DataLogRecorder& recorder() const { return recorder_; }
    // The name proposed for a new log: the date and time in `logs`.
    QString proposedLogPath() const;

    // Replay.
    bool openReplay(const QString& path);
    void closeReplay();
    bool replaying() const { return replay_ != nullptr; }
    datalog::ReplayController* replay() { return replay_.get(); }
    // Moves the replay to a record and shows it (the slider, a chart click).
    void seekReplay(std::size_t index);
    // Bumped whenever the replayed sample changed; the sample is decoded from
    // the record's frame by the same decoder as live frames.
    std::uint32_t replayRevision() const { return replayRevision_; }
    const link::LiveSample& replaySample() const { return decoder_.sample(); }
    const link::LiveValues& replayValues() const { return decoder_.values(); }
    // "[REPLAY ride.mlg]" while replaying, else empty.
    QString titleNote() const;

    // The image was shown (after every committed change): the advance curve
    // follows; shown below the single row without the throttle map, hidden on
    // a print. `op` is the point lit in the map, if any.
    void imageShown(const ParamImage& image, bool throttleMap, bool printing,
                    const std::optional<link::OperatingPoint>& op);

    // The live or replayed operating point moved: the curves mark it.
    void pointMoved(const std::optional<link::OperatingPoint>& op);

    // The map's group, where the advance curve is drawn once it is first
    // shown (null while the map's tab page is not filled yet).
    void attachCurveGroup(QWidget* group);

    void showCharts();
    ui::ChartWindow* charts() const { return charts_; }
    // The advance curve on the Advance Map tab; made on the tab's first show
    // or on this first call.
    ui::AdvanceCurveChart* advanceChart();
    QLabel* statusLabel() const { return status_; }
    QWidget* replayBar() const { return replayBar_; }

signals:
    // The replay started, moved or ended: the window shows it.
    void replayChanged();
    // The title note changed.
    void titleNoteChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu(const WindowControls& controls);
    // Fills the replay bar with its buttons and slider; once, at the first replay.
    void buildReplayBar();
    void chooseAndRecord();
    void chooseAndReplay();
    void decodeReplay();
    void updateStatus();
    // Draws the last image's curve in the made chart, or hides it.
    void showCurve();
    void complain(const QString& text, const QString& detail);
    // A text of the Log menu's dialogs in the current language.
    QString text(datalog::LogText id) const;

    QWidget* window_;
    link::DeviceLink& link_;
    std::string settingsFolder_;
    Language language_ = Language::English;
    FileChooser chooseFile_;
    Complaint complain_;
    std::function<Clock::time_point()> now_ = [] { return Clock::now(); };

    datalog::DataLogRecorder recorder_;
    Clock::time_point recordingStart_{};
    std::uint32_t framesRecorded_ = 0;
    bool inGap_ = false;

    std::unique_ptr<datalog::ReplayController> replay_;
    std::shared_ptr<const datalog::DataLog> replayLog_;
    QString replayName_;
    link::MonitorDecoder decoder_;
    std::uint32_t replayRevision_ = 0;
    std::uint32_t replayShown_ = UINT32_MAX;

    QPointer<ui::ChartWindow> charts_;
    std::uint32_t chartFrames_ = 0;
    ParamImage curveImage_{};
    std::optional<link::OperatingPoint> curvePoint_;
    bool curveShown_ = false;
    QPointer<QWidget> curveGroup_;
    ui::AdvanceCurveChart* advanceChart_ = nullptr;
    QLabel* status_ = nullptr;
    QWidget* replayBar_ = nullptr;
    QToolButton* playButton_ = nullptr;
    QToolButton* speedButton_ = nullptr;
    QSlider* slider_ = nullptr;
};

}  // namespace tarvel
