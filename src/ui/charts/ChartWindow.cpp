#include "charts/ChartWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

#include "charts/AdvanceCurveChart.h"
#include "charts/ChannelChart.h"
#include "datalog/MonitorLayout.h"

namespace tarvel::ui {

namespace {

// English, German, French, Czech.
const char* const kTitle[] = {"Charts", "Diagramme", "Graphiques", "Grafy"};
const char* const kChannels[] = {"Channels", "Kanäle", "Canaux", "Kanály"};
const char* const kCurves[] = {"Advance curves", "Zündkurven", "Courbes d'avance", "Křivky předstihu"};
const char* const kLive[] = {"Live: the last %1 s", "Live: die letzten %1 s", "En direct : les %1 dernières s",
                             "Živě: posledních %1 s"};
const char* const kTime[] = {"Time", "Zeit", "Temps", "Čas"};
const char* const kLog[] = {"Log: %1  (%2 records)", "Aufzeichnung: %1  (%2 Datensätze)",
                            "Journal : %1  (%2 enregistrements)", "Záznam: %1  (%2 záznamů)"};

const QStringList kFirstChannels{QStringLiteral("RPM"), QStringLiteral("TPS"), QStringLiteral("Advance 1")};

std::shared_ptr<datalog::DataLog> emptyMonitorLog()
{
    auto log = std::make_shared<datalog::DataLog>();
    log->setFields(datalog::monitorFields());
    return log;
}

}  // namespace

ChartWindow::ChartWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("ChartWindow"));
    setWindowTitle(QStringLiteral("Charts"));
    resize(1000, 620);

    source_ = new QLabel(this);
    source_->setObjectName(QStringLiteral("ChartSource"));
    QFont bold = source_->font();
    bold.setBold(true);
    source_->setFont(bold);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ChartChannels"));
    values_ = new QLabel(this);
    values_->setObjectName(QStringLiteral("ChartCursorValues"));
    values_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    values_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    values_->setMinimumHeight(120);
    auto* side = new QWidget(this);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(list_, 3);
    sideLayout->addWidget(values_, 1);

    chart_ = new ChannelChart(this);
    curves_ = new AdvanceCurveChart(this);
    tabs_ = new QTabWidget(this);
    tabs_->addTab(chart_, QStringLiteral("Channels"));
    tabs_->addTab(curves_, QStringLiteral("Advance curves"));

    auto* split = new QSplitter(this);
    split->addWidget(side);
    split->addWidget(tabs_);
    split->setStretchFactor(1, 1);
    split->setSizes({210, 790});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(source_);
    layout->addWidget(split, 1);

    connect(list_, &QListWidget::itemChanged, this, [this] { channelsTicked(); });
    connect(chart_, &ChannelChart::cursorMoved, this, [this](double t) {
        showCursorValues();
        if (!live_)
            emit seekRequested(t);
    });
    // A live chart is redrawn at most four times a second, not at every frame.
    liveRedraw_ = new QTimer(this);
    liveRedraw_->setInterval(250);
    connect(liveRedraw_, &QTimer::timeout, this, [this] {
        if (liveDirty_ && isVisible()) {
            liveDirty_ = false;
            chart_->logGrew();
            showCursorValues();
        }
    });
    showLive();
}

void ChartWindow::setLanguage(int language)
{
    language_ = language >= 0 && language < 4 ? language : 0;
    showTexts();
}

void ChartWindow::showTexts()
{
    const auto text = [this](const char* const* table) { return QString::fromUtf8(table[language_]); };
    setWindowTitle(text(kTitle));
    tabs_->setTabText(0, text(kChannels));
    tabs_->setTabText(1, text(kCurves));
    source_->setText(live_ ? text(kLive).arg(kLiveSeconds) : text(kLog).arg(logName_).arg(logRecords_));
    chart_->setTimeWord(text(kTime));
    showCursorValues();
}

void ChartWindow::fillChannelList()
{
    const QStringList ticked = list_->count() ? selectedChannels() : kFirstChannels;
    filling_ = true;
    list_->clear();
    const datalog::DataLog* log = chart_->log();
    if (log)
        for (std::size_t f = 1; f < log->fields().size(); ++f) {
            const datalog::LogField& field = log->fields()[f];
            QString text = QString::fromStdString(field.name);
            if (!field.units.empty())
                text += QStringLiteral(" [%1]").arg(QString::fromStdString(field.units));
            auto* item = new QListWidgetItem(text, list_);
            item->setData(Qt::UserRole, QString::fromStdString(field.name));
            item->setData(Qt::UserRole + 1, static_cast<qulonglong>(f));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            item->setCheckState(ticked.contains(item->data(Qt::UserRole).toString()) ? Qt::Checked : Qt::Unchecked);
        }
    filling_ = false;
    channelsTicked();
}

void ChartWindow::channelsTicked()
{
    if (filling_)
        return;
    std::vector<std::size_t> fields;
    for (int i = 0; i < list_->count(); ++i)
        if (list_->item(i)->checkState() == Qt::Checked)
            fields.push_back(list_->item(i)->data(Qt::UserRole + 1).toULongLong());
    chart_->setChannels(fields);
    showCursorValues();
}

void ChartWindow::selectChannels(const QStringList& names)
{
    filling_ = true;
    for (int i = 0; i < list_->count(); ++i)
        list_->item(i)->setCheckState(names.contains(list_->item(i)->data(Qt::UserRole).toString()) ? Qt::Checked
                                                                                                   : Qt::Unchecked);
    filling_ = false;
    channelsTicked();
}

QStringList ChartWindow::selectedChannels() const
{
    QStringList out;
    for (int i = 0; i < list_->count(); ++i)
        if (list_->item(i)->checkState() == Qt::Checked)
            out << list_->item(i)->data(Qt::UserRole).toString();
    return out;
}

void ChartWindow::showLive()
{
    live_ = true;
    liveLog_ = emptyMonitorLog();
    liveStarted_ = false;
    showTexts();
    chart_->setFollow(kLiveSeconds);
    chart_->setLog(liveLog_);
    fillChannelList();
    liveRedraw_->start();
}

void ChartWindow::appendLive(const link::LiveSample& sample, const link::OperatingPoint& op,
                             std::chrono::steady_clock::time_point at)
{
    if (!live_)
        return;
    if (!liveStarted_) {
        liveStart_ = at;
        liveStarted_ = true;
    }
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(at - liveStart_).count();
    // Past twice the span, the older half is dropped: the log stays small
    // however long the window is open.
    if (liveLog_->recordCount() > 0 && liveLog_->duration() > 2 * kLiveSeconds) {
        auto kept = emptyMonitorLog();
        const double from = liveLog_->times().back() - kLiveSeconds;
        for (std::size_t i = liveLog_->indexAtTime(from); i < liveLog_->recordCount(); ++i)
            kept->appendRecord(liveLog_->rawRecord(i));
        liveLog_ = kept;
        chart_->setLog(liveLog_);
    }
    std::vector<std::uint8_t> raw(datalog::monitorRecordLength());
    datalog::packMonitorRecord(static_cast<std::uint32_t>(std::max<long long>(0, ms)), sample, op, raw);
    liveLog_->appendRecord(raw);
    liveDirty_ = true;
}

void ChartWindow::showLog(std::shared_ptr<const datalog::DataLog> log, const QString& name)
{
    live_ = false;
    liveRedraw_->stop();
    liveLog_.reset();
    logName_ = name;
    logRecords_ = log ? log->recordCount() : 0;
    showTexts();
    chart_->setFollow(0);
    chart_->setLog(std::move(log));
    fillChannelList();
}

void ChartWindow::setReplayTime(double seconds)
{
    if (live_)
        return;
    chart_->setCursorTime(seconds);
    showCursorValues();
}

void ChartWindow::setAdvanceCurves(const ParamImage& image, const std::optional<link::OperatingPoint>& op)
{
    curves_->setCurve(image, true);
    curves_->setOperatingPoint(op);
}

void ChartWindow::showCursorValues()
{
    values_->setText(chart_->cursorValues().join(QLatin1Char('\n')));
}

}  // namespace tarvel::ui
