// The window's data logs: recording from the tick with a gap across Read,
// a replay that drives the live column and the highlight exactly as the live
// frames did (and keeps live frames off it until it closes), the Log menu in
// every language, and the advance curve that a print leaves out.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QTimer>

#include <set>

#include "BarGauge.h"
#include "LogController.h"
#include "WindowFixture.h"
#include "charts/AdvanceCurveChart.h"
#include "datalog/DataLogRecorder.h"
#include "datalog/LogFile.h"
#include "datalog/ReplayController.h"
#include "present/DisplayState.h"
#include "print/PagePrinter.h"

namespace tarvel::test {

namespace {

// What the live column and the highlight show, for comparing.
struct Shown {
    std::vector<std::string> entries;
    ToolPoint point;

    bool operator==(const Shown& o) const
    {
        return entries == o.entries && point.tpsRow == o.point.tpsRow && point.rpmColumn == o.point.rpmColumn &&
               point.servoColumn == o.point.servoColumn && point.belowMap == o.point.belowMap;
    }
};

Shown shownBy(TFormHlav& window)
{
    Shown s;
    // The live labels and gauges; not the status label or the connection label.
    for (int i = 0; i < present::kControlCount; ++i) {
        const auto id = static_cast<present::ControlId>(i);
        if (id == present::ControlId::LabelHlaseni || id == present::ControlId::LabelSpojeni ||
            id == present::ControlId::CGaugeProgram)
            continue;
        const present::DisplayEntry& e = window.display()[id];
        s.entries.push_back(std::string(present::objectName(id)) + "=" + e.text + "|" +
                            std::to_string(static_cast<int>(e.colour)) + "|" + std::to_string(e.greyed) + "|" +
                            std::to_string(e.progress) + "/" + std::to_string(e.maximum));
    }
    s.point = window.operatingPoint();
    return s;
}

}  // namespace

class Logs : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        logs().setFileChooser([this](QWidget*, bool save, const QString& proposed) {
            proposals << proposed;
            return save ? savePath : openPath;
        });
        logs().setComplaint([this](const QString& text, const QString& detail) { complaints << text + " " + detail; });
    }
    LogController& logs() { return window->logs(); }
    QString path(const char* name) const { return folder.path() + QLatin1Char('/') + QLatin1String(name); }

    QString savePath, openPath;
    QStringList proposals, complaints;
};

TEST_F(Logs, RecordingWritesOneRecordPerAcceptedFrameAndNotesTheGapAcrossRead)
{
    tick(10);
    savePath = path("ride.mlg");
    trigger(QStringLiteral("MenuLogStart"));
    ASSERT_TRUE(logs().recording()) << complaints.join('\n').toStdString();
    ASSERT_EQ(proposals.size(), 1);
    EXPECT_TRUE(proposals[0].startsWith(folder.path() + QStringLiteral("/logs/"))) << proposals[0].toStdString();
    EXPECT_TRUE(proposals[0].endsWith(QStringLiteral(".mlg")));

    const std::uint32_t first = window->deviceLink().monitorFrames();
    tick(60);
    trigger(QStringLiteral("MenuRead"));
    ASSERT_TRUE(tickUntilStatus(QStringLiteral("Verify:: OK"))) << statusText().toStdString();
    tick(20);
    const std::size_t frames = window->deviceLink().monitorFrames() - first;
    ASSERT_GT(frames, 10u);
    EXPECT_EQ(logs().recorder().records(), frames);
    const QString status = logs().statusLabel()->text();
    EXPECT_TRUE(status.startsWith(QStringLiteral("Recording ride.mlg: %1 records, 00:0").arg(frames)))
        << status.toStdString();
    EXPECT_FALSE(logs().statusLabel()->isHidden());

    logs().mark(QStringLiteral("hill"));  // the menu item asks for the text first
    window->close();  // the end of the program ends the log cleanly
    EXPECT_FALSE(logs().recording());
    const datalog::DataLog log = datalog::readLogFile(savePath.toStdString());
    ASSERT_TRUE(log.report.opened) << log.report.message;
    EXPECT_TRUE(log.report.complete);
    EXPECT_EQ(log.recordCount(), frames);
    ASSERT_EQ(log.markers.size(), 2u);
    EXPECT_EQ(log.markers[0].text, "Gap: Read");
    EXPECT_EQ(log.markers[1].text, "hill");
    EXPECT_GT(log.markers[0].beforeRecord, 5u);
    EXPECT_LT(log.markers[0].beforeRecord, frames);
}

// The replay dialog opens in the logs folder, and before any recording made
// that folder in the settings folder, not on a file named "logs".
TEST_F(Logs, ReplayDialogOpensInTheLogsFolderOnceItExists)
{
    trigger(QStringLiteral("MenuLogReplay"));  // cancelled: openPath is empty
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("logs")));
    trigger(QStringLiteral("MenuLogReplay"));
    EXPECT_EQ(proposals, (QStringList{folder.path(), folder.path() + QStringLiteral("/logs")}));
    EXPECT_TRUE(complaints.isEmpty()) << complaints.join('\n').toStdString();
}

TEST_F(Logs, ReplayDrivesTheLiveColumnAndHighlightAsTheLiveFramesDid)
{
    clickBox(QStringLiteral("CheckBoxTpsMapa"));
    tick(10);
    savePath = path("ride.msl");
    trigger(QStringLiteral("MenuLogStart"));
    ASSERT_TRUE(logs().recording());
    std::vector<Shown> live;
    std::uint32_t frames = window->deviceLink().monitorFrames();
    for (int i = 0; i < 150; ++i) {
        tick();
        if (window->deviceLink().monitorFrames() != frames) {
            frames = window->deviceLink().monitorFrames();
            live.push_back(shownBy(*window));
        }
    }
    trigger(QStringLiteral("MenuLogStop"));
    ASSERT_EQ(logs().recorder().records(), live.size());
    std::set<std::string> distinct;
    for (const Shown& s : live)
        distinct.insert(s.entries[0]);
    ASSERT_GT(distinct.size(), 3u) << "the unit's speed moved while recording";

    openPath = savePath;
    trigger(QStringLiteral("MenuLogReplay"));
    ASSERT_TRUE(logs().replaying()) << complaints.join('\n').toStdString();
    EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral("[REPLAY ride.msl]"))) << window->windowTitle().toStdString();
    EXPECT_TRUE(logs().statusLabel()->text().startsWith(QStringLiteral("REPLAY ride.msl")));
    EXPECT_FALSE(logs().replayBar()->isHidden());
    datalog::ReplayController& replay = *logs().replay();
    auto* slider = logs().replayBar()->findChild<QSlider*>(QStringLiteral("ReplayPosition"));
    ASSERT_TRUE(slider);
    slider->setValue(5);
    for (std::size_t i = 0; i < live.size(); ++i) {
        slider->setValue(static_cast<int>(i));
        ASSERT_EQ(replay.position(), i);
        ASSERT_TRUE(shownBy(*window) == live[i]) << "record " << i << ": " << shownBy(*window).entries[0] << " vs "
                                                  << live[i].entries[0];
        // Live frames go on arriving but are not shown.
        tick(2);
        ASSERT_TRUE(shownBy(*window) == live[i]) << "record " << i;
    }

    // Read works during a replay, and closing it brings the live data back.
    trigger(QStringLiteral("MenuRead"));
    ASSERT_TRUE(tickUntilStatus(QStringLiteral("Verify:: OK"))) << statusText().toStdString();
    trigger(QStringLiteral("MenuLogReplayClose"));
    EXPECT_FALSE(logs().replaying());
    EXPECT_FALSE(window->windowTitle().contains(QStringLiteral("REPLAY")));
    EXPECT_TRUE(logs().statusLabel()->isHidden());
    const std::uint32_t before = window->deviceLink().monitorFrames();
    for (int i = 0; i < 50 && window->deviceLink().monitorFrames() == before; ++i)
        tick();
    ASSERT_NE(window->deviceLink().monitorFrames(), before);
    const std::string liveRpm = window->display()[present::ControlId::LabelRpm].text;
    EXPECT_NE(liveRpm.find(std::to_string(window->deviceLink().liveValues().liveRpm)), std::string::npos) << liveRpm;
}

TEST_F(Logs, ReplayOfAFileThatIsNoLogComplains)
{
    writeFile(QStringLiteral("junk.mlg"), QByteArray("not a log at all"));
    openPath = path("junk.mlg");
    trigger(QStringLiteral("MenuLogReplay"));
    EXPECT_FALSE(logs().replaying());
    ASSERT_EQ(complaints.size(), 1);
    EXPECT_TRUE(complaints[0].contains(QStringLiteral("junk.mlg"))) << complaints[0].toStdString();

    savePath = path("no-such-folder/ride.mlg");
    trigger(QStringLiteral("MenuLogStart"));
    EXPECT_FALSE(logs().recording());
    EXPECT_EQ(complaints.size(), 2);
}

TEST_F(Logs, LogMenuInEachLanguage)
{
    struct Case {
        std::uint8_t language;
        QStringList texts;  // the menu, then its items
    };
    for (const Case& c :
         {Case{0, {"Lo&g", "Start recording...", "Stop recording", "Marker", "Open log for replay...", "Close replay",
                   "Charts..."}},
          Case{1, {"&Aufzeichnung", "Aufzeichnung starten...", "Aufzeichnung beenden", "Markierung",
                   "Aufzeichnung wiedergeben...", "Wiedergabe schließen", "Diagramme..."}},
          Case{2, {"&Journal", "Démarrer l'enregistrement...", "Arrêter l'enregistrement", "Marqueur",
                   "Ouvrir un journal pour relecture...", "Fermer la relecture", "Graphiques..."}},
          Case{3, {"Záz&nam", "Spustit záznam...", "Zastavit záznam", "Značka", "Přehrát záznam...",
                   "Zavřít přehrávání", "Grafy..."}}}) {
        SCOPED_TRACE(c.language);
        window->MenuLanguageClick(c.language);
        auto* menu = find<QMenu>(QStringLiteral("MenuLog"));
        ASSERT_TRUE(menu);
        QStringList texts{menu->title()};
        for (const char* name : {"MenuLogStart", "MenuLogStop", "MenuLogMarker", "MenuLogReplay",
                                 "MenuLogReplayClose", "MenuLogCharts"})
            texts << action(QString::fromLatin1(name))->text();
        EXPECT_EQ(texts, c.texts);
    }
    // The Log menu follows Tools.
    QStringList order;
    for (QAction* a : window->menuBar()->actions())
        order << a->objectName();
    EXPECT_EQ(order.indexOf(QStringLiteral("MenuLogItem")), order.indexOf(QStringLiteral("MenuToolsItem")) + 1);
}

TEST_F(Logs, DialogsAndComplaintsSpeakTheWindowsLanguage)
{
    window->MenuLanguageClick(1);
    writeFile(QStringLiteral("junk.mlg"), QByteArray("not a log at all"));
    openPath = path("junk.mlg");
    trigger(QStringLiteral("MenuLogReplay"));
    savePath = path("no-such-folder/ride.mlg");
    trigger(QStringLiteral("MenuLogStart"));
    datalog::DataLogRecorder empty;  // a log without a record
    ASSERT_TRUE(empty.open(path("empty.mlg").toStdString()));
    ASSERT_TRUE(empty.close());
    window->MenuLanguageClick(3);
    openPath = path("empty.mlg");
    trigger(QStringLiteral("MenuLogReplay"));
    ASSERT_EQ(complaints.size(), 3);
    EXPECT_TRUE(
        complaints[0].startsWith(QStringLiteral("Die Aufzeichnung konnte nicht zur Wiedergabe geöffnet werden. ")))
        << complaints[0].toStdString();
    EXPECT_TRUE(complaints[1].startsWith(QStringLiteral("Die Aufzeichnung konnte nicht gestartet werden. ")))
        << complaints[1].toStdString();
    EXPECT_TRUE(complaints[2].startsWith(QStringLiteral("Záznam se nepodařilo otevřít k přehrávání. ")))
        << complaints[2].toStdString();
    EXPECT_TRUE(complaints[2].endsWith(QStringLiteral("empty.mlg: žádné záznamy"))) << complaints[2].toStdString();

    // The marker's box: its title and the line above the text, then Cancel.
    window->MenuLanguageClick(2);
    QString title, prompt;
    QTimer::singleShot(0, window.get(), [&] {
        if (auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            prompt = box->labelText();
            box->reject();
        }
    });
    trigger(QStringLiteral("MenuLogMarker"));
    EXPECT_EQ(title, QStringLiteral("Marqueur"));
    EXPECT_EQ(prompt, QStringLiteral("Texte du marqueur :"));
}

// With no unit on the port, a replay closed leaves the live column as it was
// before it: the designed and placeholder texts, the designed colours and
// hidden warnings; nothing of the replayed values stays.
class LogsWithoutUnit : public Logs {
protected:
    void beforeStart() override { unit->unplugged = true; }

    struct Look {
        std::vector<std::string> labels;  // readable when a test fails
        std::vector<int> gauges;
        bool operator==(const Look&) const = default;
    };
    Look look() const
    {
        Look l;
        for (int i = 0; i < present::kControlCount; ++i) {
            const auto id = static_cast<present::ControlId>(i);
            if (id == present::ControlId::LabelHlaseni || id == present::ControlId::LabelSpojeni ||
                id == present::ControlId::CGaugeProgram)
                continue;
            const QString name = QString::fromLatin1(present::objectName(id).data());
            if (present::isGauge(id)) {
                l.gauges.push_back(find<BarGauge>(name)->progress());
                continue;
            }
            auto* label = find<QLabel>(name);
            l.labels.push_back(QStringLiteral("%1 '%2' %3 %4 %5")
                                   .arg(name, label->text(), label->palette().color(QPalette::Window).name(),
                                        label->palette().color(QPalette::Active, QPalette::WindowText).name())
                                   .arg(label->isHidden())
                                   .toStdString());
        }
        return l;
    }
};

TEST_F(LogsWithoutUnit, ClosingAReplayShowsTheLiveColumnAsBeforeIt)
{
    tick(31);
    ASSERT_EQ(window->deviceLink().monitorFrames(), 0u);
    window->MenuLanguageClick(1);
    tick(2);
    const Look before = look();

    // A record that lights everything the live column can show.
    link::LiveSample s;
    s.rpm = 9100;
    s.tpsPercent = 55;
    s.supplyMv = 6000;
    s.lambdaMv = 800;
    s.potak = 2000;
    s.outLimiter = s.outShiftLight = s.outStartLimiter = s.outTacho = true;
    s.outClutch = s.outBlock1 = s.outBlock2 = s.outN2o = true;
    s.inStartLimiter = s.inTachoLambda = s.inClutch = true;
    s.inBlock1 = s.inBlock2 = s.inN2o = true;
    s.pickup = {true, true};
    s.dataError = true;
    s.formatVersion = 47;
    s.advance = {30, 30, 30, 30};
    s.test = {1, 2, 3, 4, 5, 6, 7, 8};
    datalog::DataLogRecorder recorder;
    const QString log = path("lit.mlg");
    ASSERT_TRUE(recorder.open(log.toStdString()));
    ASSERT_TRUE(recorder.record(s, {}));
    ASSERT_TRUE(recorder.close());

    ASSERT_TRUE(logs().openReplay(log)) << complaints.join('\n').toStdString();
    tick(2);
    const Look replayed = look();
    ASSERT_NE(replayed.labels, before.labels);
    ASSERT_NE(replayed.gauges, before.gauges);
    trigger(QStringLiteral("MenuLogReplayClose"));
    tick(2);
    const Look after = look();
    EXPECT_EQ(after.labels, before.labels);
    EXPECT_EQ(after.gauges, before.gauges);

    // A language chosen while the replay ran: the placeholders in it, the rest as designed.
    ASSERT_TRUE(logs().openReplay(log));
    tick(2);
    window->MenuLanguageClick(3);
    trigger(QStringLiteral("MenuLogReplayClose"));
    tick(2);
    EXPECT_EQ(find<QLabel>(QStringLiteral("LabelAdvance1"))->text().toStdString(), "Předstih 1 = --- [°]");
    EXPECT_EQ(find<QLabel>(QStringLiteral("LabelRpm"))->text().toStdString(), "RPM = ---");
    EXPECT_EQ(find<QLabel>(QStringLiteral("LabelTest3"))->text().toStdString(), "Test3 = ---");
    EXPECT_TRUE(find<QLabel>(QStringLiteral("LabelEeDataErr"))->isHidden());
    EXPECT_TRUE(find<QLabel>(QStringLiteral("LabelVersion"))->isHidden());
}

namespace {

class NotingPrinter : public ui::PagePrinter {
public:
    explicit NotingPrinter(QWidget* chart) : chart_(chart) {}
    bool available() const override { return true; }
    bool printPage(const QImage&) override
    {
        chartShown << !chart_->isHidden();
        return true;
    }
    QString lastError() const override { return {}; }
    QList<bool> chartShown;

private:
    QWidget* chart_;
};

}  // namespace

TEST_F(Logs, AdvanceCurveShowsWithoutTheThrottleMapFollowsCommitsAndIsNotPrinted)
{
    ui::AdvanceCurveChart* chart = logs().advanceChart();
    ASSERT_TRUE(chart);
    EXPECT_FALSE(chart->isHidden()) << "the throttle map is off at the start";
    EXPECT_EQ(chart->curves().size(), 1);
    // It sits below the single row and above the throttle-map check box.
    EXPECT_GT(chart->geometry().top(), edit(QStringLiteral("Edit140"))->geometry().bottom());
    EXPECT_LT(chart->geometry().bottom(), box(QStringLiteral("CheckBoxTpsMapa"))->geometry().top());

    typeAndLeave(QStringLiteral("Edit143"), QStringLiteral("33"));
    EXPECT_EQ(chart->curves()[0]->at(3).y(), 33) << "redrawn on the commit";

    auto printer = std::make_unique<NotingPrinter>(chart);
    NotingPrinter* noting = printer.get();
    window->setPagePrinter(std::move(printer));
    trigger(QStringLiteral("MenuPrint"));
    EXPECT_EQ(noting->chartShown, QList<bool>{false});
    EXPECT_FALSE(chart->isHidden()) << "back after the print";

    clickBox(QStringLiteral("CheckBoxTpsMapa"));
    EXPECT_TRUE(chart->isHidden()) << "the throttle map's rows take the place";
}

}  // namespace tarvel::test
