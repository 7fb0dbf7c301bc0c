#include "LogController.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QSlider>
#include <QStatusBar>
#include <QToolButton>

#include "charts/AdvanceCurveChart.h"
#include "charts/ChartWindow.h"
#include "datalog/LogFile.h"
#include "datalog/LogStatusText.h"
#include "model/LogSink.h"

namespace tarvel {

namespace {

QString fromUtf8(const std::string& s)
{
    return QString::fromStdString(s);
}

// Where the advance curve sits on the Advance Map tab: the free area below
// the single row, above the check box of the throttle map.
constexpr QRect kCurveArea(8, 100, 629, 330);

const char* operationName(link::TransferMode mode)
{
    switch (mode) {
        case link::TransferMode::Read:
            return "Read";
        case link::TransferMode::Verify:
            return "Verify";
        case link::TransferMode::Program:
            return "Program";
        default:
            return "Reset";
    }
}

}  // namespace

LogController::LogController(QWidget* window, const WindowControls& controls, link::DeviceLink& link,
                             std::string settingsFolder)
    : QObject(window), window_(window), link_(link), settingsFolder_(std::move(settingsFolder))
{
    chooseFile_ = [this](QWidget* parent, bool save, const QString& proposed) {
        const QString filter = text(datalog::LogText::FileFilter) + QStringLiteral(" (*.mlg *.msl)");
        return save ? QFileDialog::getSaveFileName(parent, text(datalog::LogText::RecordDialogTitle), proposed, filter)
                    : QFileDialog::getOpenFileName(parent, text(datalog::LogText::ReplayDialogTitle), proposed, filter);
    };
    complain_ = [this](const QString& text, const QString& detail) {
        QMessageBox box(QMessageBox::Warning, window_->windowTitle(), text, QMessageBox::Ok, window_);
        box.setInformativeText(detail);
        box.exec();
    };

    status_ = new QLabel(controls.StatusBar1);
    status_->setObjectName(QStringLiteral("LogStatus"));
    status_->hide();
    // The bar's buttons are made when a replay first opens: measuring their
    // arrow glyphs looks up a fallback font, a cost the start-up need not pay.
    replayBar_ = new QWidget();
    replayBar_->setObjectName(QStringLiteral("ReplayBar"));
    replayBar_->hide();
    controls.StatusBar1->addPermanentWidget(replayBar_);
    controls.StatusBar1->addPermanentWidget(status_);
    // The advance curve is made when its tab is first shown: a chart costs
    // more at start-up than the rest of a tab.
    attachCurveGroup(controls.GroupBox6);
    buildMenu(controls);
    updateStatus();
}

LogController::~LogController()
{
    // The window's widgets may be gone already: no message, no status.
    if (recorder_.isOpen() && !recorder_.close())
        log::write(log::Area::Ui, "the log was not closed cleanly: " + recorder_.error());
    delete charts_;
}

void LogController::buildMenu(const WindowControls& c)
{
    auto on = [this](QAction* action, auto slot) { connect(action, &QAction::triggered, this, slot); };
    on(c.MenuLogStart, [this] { chooseAndRecord(); });
    on(c.MenuLogStop, [this] { stopRecording(); });
    on(c.MenuLogMarker, [this] {
        bool ok = false;
        const QString marker =
            QInputDialog::getText(window_, text(datalog::LogText::MarkerTitle), text(datalog::LogText::MarkerPrompt),
                                  QLineEdit::Normal, QString(), &ok);
        if (ok)
            mark(marker);
    });
    on(c.MenuLogReplay, [this] { chooseAndReplay(); });
    on(c.MenuLogReplayClose, [this] { closeReplay(); });
    on(c.MenuLogCharts, [this] { showCharts(); });
}

void LogController::buildReplayBar()
{
    auto* row = new QHBoxLayout(replayBar_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    auto button = [&](const char* name, const QString& text) {
        auto* b = new QToolButton(replayBar_);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(text);
        b->setAutoRaise(true);
        b->setFixedHeight(17);
        row->addWidget(b);
        return b;
    };
    QToolButton* back = button("ReplayStepBack", QStringLiteral("|◀"));
    playButton_ = button("ReplayPlay", QStringLiteral("▶"));
    QToolButton* forward = button("ReplayStepForward", QStringLiteral("▶|"));
    slider_ = new QSlider(Qt::Horizontal, replayBar_);
    slider_->setObjectName(QStringLiteral("ReplayPosition"));
    slider_->setFixedWidth(220);
    slider_->setFixedHeight(17);
    row->addWidget(slider_);
    speedButton_ = button("ReplaySpeed", QStringLiteral("1x"));
    QToolButton* close = button("ReplayClose", QStringLiteral("✕"));

    connect(back, &QToolButton::clicked, this, [this] {
        if (replay_) {
            replay_->step(-1);
            decodeReplay();
        }
    });
    connect(forward, &QToolButton::clicked, this, [this] {
        if (replay_) {
            replay_->step(1);
            decodeReplay();
        }
    });
    connect(playButton_, &QToolButton::clicked, this, [this] {
        if (replay_) {
            replay_->togglePlay(now_());
            decodeReplay();
        }
    });
    connect(speedButton_, &QToolButton::clicked, this, [this] {
        if (replay_) {
            replay_->setSpeed(replay_->speed() >= 8 ? 1 : replay_->speed() * 2, now_());
            decodeReplay();
        }
    });
    connect(slider_, &QSlider::valueChanged, this, [this](int value) {
        if (replay_ && static_cast<std::size_t>(value) != replay_->position())
            seekReplay(static_cast<std::size_t>(value));
    });
    connect(close, &QToolButton::clicked, this, [this] { closeReplay(); });
}

void LogController::setLanguage(Language language)
{
    language_ = language;
    if (charts_)
        charts_->setLanguage(static_cast<int>(language));
    updateStatus();
    emit titleNoteChanged();
}

void LogController::complain(const QString& text, const QString& detail)
{
    if (complain_)
        complain_(text, detail);
}

QString LogController::text(datalog::LogText id) const
{
    const std::string_view t = datalog::logText(id, language_);
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

// ---- Recording ---------------------------------------------------------------

QString LogController::proposedLogPath() const
{
    const QString folder = QDir(fromUtf8(settingsFolder_)).filePath(QStringLiteral("logs"));
    QDir().mkpath(folder);
    return QDir(folder).filePath(fromUtf8(datalog::defaultLogName(datalog::DataLogRecorder::currentUnixTime())));
}

void LogController::chooseAndRecord()
{
    const QString path = chooseFile_ ? chooseFile_(window_, true, proposedLogPath()) : QString();
    if (!path.isEmpty())
        startRecording(path);
}

bool LogController::startRecording(const QString& path)
{
    stopRecording();
    recordingStart_ = now_();
    if (!recorder_.open(path.toStdString(), recordingStart_)) {
        complain(text(datalog::LogText::StartFailed), fromUtf8(recorder_.error()));
        updateStatus();
        return false;
    }
    // Only frames accepted from now on are recorded.
    framesRecorded_ = link_.monitorFrames();
    inGap_ = link_.transferMode() != link::TransferMode::Idle;
    updateStatus();
    return true;
}

void LogController::stopRecording()
{
    if (!recorder_.isOpen())
        return;
    if (!recorder_.close())
        complain(text(datalog::LogText::NotWrittenCompletely), fromUtf8(recorder_.error()));
    updateStatus();
}

void LogController::mark(const QString& text)
{
    if (recorder_.isOpen())
        recorder_.mark(text.toStdString(), now_());
}

void LogController::ticked()
{
    const Clock::time_point now = now_();
    if (recorder_.isOpen()) {
        // An operation pauses the monitor frames: the log says where and why.
        const bool busy = link_.transferMode() != link::TransferMode::Idle;
        if (busy && !inGap_)
            recorder_.noteGap(operationName(link_.transferMode()), now);
        inGap_ = busy;
        if (link_.monitorFrames() != framesRecorded_) {
            framesRecorded_ = link_.monitorFrames();
            recorder_.record(link_.liveSample(), link_.operatingPoint(), now);
        }
        if (!recorder_.isOpen()) {  // a failed write closed it
            log::write(log::Area::Ui, "recording stopped: " + recorder_.error());
            complain(text(datalog::LogText::StoppedUnwritable), fromUtf8(recorder_.error()));
        }
    }
    if (charts_ && charts_->live() && link_.monitorFrames() != chartFrames_) {
        chartFrames_ = link_.monitorFrames();
        charts_->appendLive(link_.liveSample(), link_.operatingPoint(), now);
    }
    if (replay_) {
        const std::uint32_t before = replay_->revision();
        replay_->tick(now);
        if (replay_->revision() != before)
            decodeReplay();
    }
    updateStatus();
}

// ---- Replay ------------------------------------------------------------------

void LogController::chooseAndReplay()
{
    // The dialog opens in the logs folder; before the first recording made it,
    // in the settings folder (a missing folder would be offered as a file name).
    const QDir settings(fromUtf8(settingsFolder_));
    const QString logs = settings.filePath(QStringLiteral("logs"));
    const QString proposed = QFileInfo(logs).isDir() ? logs : settings.path();
    const QString path = chooseFile_ ? chooseFile_(window_, false, proposed) : QString();
    if (!path.isEmpty())
        openReplay(path);
}

bool LogController::openReplay(const QString& path)
{
    datalog::DataLog log = datalog::readLogFile(path.toStdString());
    if (!log.report.opened || log.recordCount() == 0) {
        const std::string& why = log.report.message;
        log::write(log::Area::Ui, "no replay of " + path.toStdString() + ": " + (why.empty() ? "no records" : why));
        // The reader's reasons mostly name the file already.
        const QString reason = why.empty() ? text(datalog::LogText::NoRecords) : fromUtf8(why);
        complain(text(datalog::LogText::ReplayFailed),
                 reason.startsWith(path) ? reason : path + QStringLiteral(": ") + reason);
        return false;
    }
    if (!log.report.message.empty())
        log::write(log::Area::Ui, path.toStdString() + ": " + log.report.message);
    closeReplay();
    replay_ = std::make_unique<datalog::ReplayController>(std::move(log));
    // The chart window reads the same log; it is handed another before the
    // replay closes and the log goes.
    replayLog_ = std::shared_ptr<const datalog::DataLog>(&replay_->log(), [](const datalog::DataLog*) {});
    replayName_ = QFileInfo(path).fileName();
    if (!slider_)
        buildReplayBar();
    slider_->blockSignals(true);
    slider_->setRange(0, static_cast<int>(replay_->size() - 1));
    slider_->setValue(0);
    slider_->blockSignals(false);
    replayBar_->show();
    if (charts_)
        charts_->showLog(replayLog_, replayName_);
    decodeReplay();
    emit titleNoteChanged();
    return true;
}

void LogController::closeReplay()
{
    if (!replay_)
        return;
    if (charts_)
        charts_->showLive();
    replayLog_.reset();
    replay_.reset();
    replayName_.clear();
    replayBar_->hide();
    ++replayRevision_;
    updateStatus();
    emit replayChanged();
    emit titleNoteChanged();
}

void LogController::seekReplay(std::size_t index)
{
    if (!replay_)
        return;
    replay_->seek(index, now_());
    decodeReplay();
}

void LogController::decodeReplay()
{
    if (!replay_)
        return;
    // The same decoder as live frames, fed the frame the record says.
    const datalog::MonitorRecord record = replay_->current();
    const link::LinkFrame frame = record.sample.toFrame();
    decoder_.decode(frame.bytes);
    ++replayRevision_;
    slider_->blockSignals(true);
    slider_->setValue(static_cast<int>(replay_->position()));
    slider_->blockSignals(false);
    playButton_->setText(replay_->playing() ? QStringLiteral("❚❚") : QStringLiteral("▶"));
    speedButton_->setText(QStringLiteral("%1x").arg(replay_->speed()));
    if (charts_ && !charts_->live())
        charts_->setReplayTime(replay_->log().time(replay_->position()));
    updateStatus();
    emit replayChanged();
}

QString LogController::titleNote() const
{
    return replay_ ? fromUtf8(datalog::replayTitleNote(language_, replayName_.toStdString())) : QString();
}

// ---- Status, charts and the advance curve --------------------------------------

void LogController::updateStatus()
{
    if (!status_)
        return;
    QStringList parts;
    if (replay_)
        parts << fromUtf8(datalog::replayStatus(language_, replayName_.toStdString(), replay_->elapsed(),
                                                replay_->duration(), replay_->speed(), replay_->playing()));
    if (recorder_.isOpen()) {
        const double seconds = std::chrono::duration<double>(now_() - recordingStart_).count();
        parts << fromUtf8(datalog::recordingStatus(
            language_, QFileInfo(fromUtf8(recorder_.path())).fileName().toStdString(), recorder_.records(), seconds));
    }
    const QString text = parts.join(QStringLiteral("  |  "));
    if (text != status_->text())
        status_->setText(text);
    // A replay is unmistakable: white on red.
    const QString style =
        replay_ ? QStringLiteral("QLabel { background: #c00000; color: white; font-weight: bold; padding: 0 4px; }")
        : recorder_.isOpen() ? QStringLiteral("QLabel { color: #c00000; padding: 0 4px; }")
                             : QString();
    if (style != status_->styleSheet())
        status_->setStyleSheet(style);
    status_->setVisible(!text.isEmpty());
}

void LogController::showCharts()
{
    if (!charts_) {
        charts_ = new ui::ChartWindow();
        charts_->setLanguage(static_cast<int>(language_));
        connect(charts_, &ui::ChartWindow::seekRequested, this, [this](double seconds) {
            if (replay_)
                seekReplay(replay_->log().indexAtTime(seconds + 1e-4));
        });
        if (replay_)
            charts_->showLog(replayLog_, replayName_);
        charts_->setAdvanceCurves(curveImage_, curvePoint_);
    }
    charts_->show();
    charts_->raise();
}

void LogController::pointMoved(const std::optional<link::OperatingPoint>& op)
{
    curvePoint_ = op;
    if (advanceChart_ && advanceChart_->isVisibleTo(advanceChart_->parentWidget()))
        advanceChart_->setOperatingPoint(op);
    if (charts_)
        charts_->setAdvanceCurves(curveImage_, op);
}

void LogController::imageShown(const ParamImage& image, bool throttleMap, bool printing,
                               const std::optional<link::OperatingPoint>& op)
{
    curveImage_ = image;
    curvePoint_ = op;
    curveShown_ = !throttleMap && !printing;
    if (advanceChart_)
        showCurve();
    if (charts_)
        charts_->setAdvanceCurves(image, op);
}

void LogController::attachCurveGroup(QWidget* group)
{
    if (!group || group == curveGroup_)
        return;
    curveGroup_ = group;
    curveGroup_->installEventFilter(this);
    if (curveGroup_->isVisible())
        advanceChart();
}

ui::AdvanceCurveChart* LogController::advanceChart()
{
    if (!advanceChart_ && curveGroup_) {
        curveGroup_->removeEventFilter(this);
        advanceChart_ = new ui::AdvanceCurveChart(curveGroup_);
        advanceChart_->setGeometry(kCurveArea);
        advanceChart_->hide();
        showCurve();
    }
    return advanceChart_;
}

void LogController::showCurve()
{
    if (curveShown_) {
        advanceChart_->setCurve(curveImage_, false);
        advanceChart_->setOperatingPoint(curvePoint_);
    }
    if (advanceChart_->isVisibleTo(advanceChart_->parentWidget()) != curveShown_)
        advanceChart_->setVisible(curveShown_);
}

bool LogController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == curveGroup_ && event->type() == QEvent::Show)
        advanceChart();
    return QObject::eventFilter(watched, event);
}

}  // namespace tarvel
