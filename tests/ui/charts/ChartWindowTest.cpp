// The chart window draws the ticked channels with one value axis per unit,
// thins long logs, moves the cursor by a click and asks the replay to follow;
// the advance curve follows the image and marks the operating point.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QScatterSeries>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QValueAxis>

#include "QStringPrinter.h"
#include "charts/AdvanceCurveChart.h"
#include "charts/ChannelChart.h"
#include "charts/ChartView.h"
#include "charts/ChartWindow.h"
#include "charts/CurvePalette.h"
#include "datalog/MonitorLayout.h"
#include "model/DefaultSet.h"
#include "model/FieldTable.h"

using namespace tarvel;
using namespace tarvel::ui;

namespace {

// `count` records 50 ms apart; the speed climbs with the index.
std::shared_ptr<datalog::DataLog> rideLog(std::size_t count)
{
    auto log = std::make_shared<datalog::DataLog>();
    log->setFields(datalog::monitorFields());
    std::vector<std::uint8_t> raw(datalog::monitorRecordLength());
    for (std::size_t i = 0; i < count; ++i) {
        link::LiveSample s;
        s.rpm = static_cast<std::uint16_t>(1000 + i % 9000);
        s.tpsPercent = static_cast<std::uint8_t>(i % 101);
        s.supplyMv = 13800;
        s.advance[0] = static_cast<std::int16_t>(10 + i % 20);
        datalog::packMonitorRecord(static_cast<std::uint32_t>(50 * i), s, {}, raw);
        log->appendRecord(raw);
    }
    return log;
}

QStringList seriesNames(QChart* chart)
{
    QStringList out;
    for (QAbstractSeries* s : chart->series())
        out << s->name();
    return out;
}

QStringList valueAxisTitles(QChart* chart)
{
    QStringList out;
    for (QAbstractAxis* a : chart->axes(Qt::Vertical))
        out << a->titleText();
    return out;
}

}  // namespace

TEST(ChartWindow, DrawsTheTickedChannelsWithOneAxisPerUnit)
{
    ChartWindow window;
    window.resize(1000, 600);
    window.show();
    window.showLog(rideLog(2000), QStringLiteral("ride.mlg"));
    EXPECT_EQ(window.selectedChannels(), (QStringList{"RPM", "TPS", "Advance 1"})) << "the first choice";

    struct Case {
        QStringList ticked;
        QStringList axes;
    };
    for (const Case& c : {Case{{"RPM"}, {"rpm"}},
                          Case{{"RPM", "Start Limiter RPM"}, {"rpm"}},
                          Case{{"RPM", "TPS", "Supply", "Retard", "Advance 1"}, {"rpm", "%", "V", "deg"}},
                          Case{{"Potak"}, {"-"}},
                          Case{{}, {}}}) {
        SCOPED_TRACE(c.ticked.join(QLatin1Char(',')).toStdString());
        window.selectChannels(c.ticked);
        QChart* chart = window.channelChart()->chart();
        EXPECT_EQ(seriesNames(chart), c.ticked);
        EXPECT_EQ(valueAxisTitles(chart), c.axes);
        EXPECT_EQ(window.selectedChannels(), c.ticked);
    }
    // Ticking in the list draws too.
    auto* rpm = window.channelList()->findItems(QStringLiteral("RPM [rpm]"), Qt::MatchExactly).value(0);
    ASSERT_TRUE(rpm);
    rpm->setCheckState(Qt::Checked);
    EXPECT_EQ(seriesNames(window.channelChart()->chart()), QStringList{"RPM"});
}

TEST(ChartWindow, PercentAxisSpansTheDataWithinZeroToHundred)
{
    ChartWindow window;
    window.resize(1000, 600);
    window.showLog(rideLog(300), QStringLiteral("ride.mlg"));
    struct Case {
        QStringList ticked;
        double min, max;
    };
    // TPS climbs 0..100 in the ride; N2O stays at 0.
    for (const Case& c : {Case{{"TPS"}, 0, 100}, Case{{"N2O"}, 0, 10}, Case{{"TPS", "N2O"}, 0, 100}}) {
        SCOPED_TRACE(c.ticked.join(QLatin1Char(',')).toStdString());
        window.selectChannels(c.ticked);
        const QList<QAbstractAxis*> axes = window.channelChart()->chart()->axes(Qt::Vertical);
        ASSERT_EQ(axes.size(), 1);
        auto* axis = qobject_cast<QValueAxis*>(axes[0]);
        ASSERT_TRUE(axis);
        EXPECT_EQ(axis->titleText(), QStringLiteral("%"));
        EXPECT_DOUBLE_EQ(axis->min(), c.min);
        EXPECT_DOUBLE_EQ(axis->max(), c.max);
    }
}

TEST(ChartWindow, EveryChannelHasAColourOfItsOwn)
{
    ChartWindow window;
    window.showLog(rideLog(50), QStringLiteral("ride.mlg"));
    const QStringList twelve{"RPM",           "TPS",   "TPS Voltage", "Supply", "Lambda",    "Servo Measured",
                             "Servo Desired", "Potak", "N2O",         "Retard", "Advance 1", "Advance 2"};
    window.selectChannels(twelve);
    QSet<QRgb> colours;
    for (QAbstractSeries* s : window.channelChart()->chart()->series())
        colours.insert(qobject_cast<QLineSeries*>(s)->color().rgb());
    EXPECT_EQ(colours.size(), twelve.size());
}

TEST(ChartWindow, TextsInEachLanguage)
{
    ChartWindow window;
    const QStringList titles{"Charts", "Diagramme", "Graphiques", "Grafy"};
    const QStringList sources{"Log: a.mlg  (3 records)", "Aufzeichnung: a.mlg  (3 Datensätze)",
                              "Journal : a.mlg  (3 enregistrements)", "Záznam: a.mlg  (3 záznamů)"};
    const QStringList times{"Time: 0.050 s", "Zeit: 0.050 s", "Temps: 0.050 s", "Čas: 0.050 s"};
    window.showLog(rideLog(3), QStringLiteral("a.mlg"));
    window.channelChart()->setCursorTime(0.05);
    for (int language = 0; language < 4; ++language) {
        window.setLanguage(language);
        EXPECT_EQ(window.channelChart()->cursorValues().value(0).toStdString(), times[language].toStdString());
        EXPECT_TRUE(window.cursorLabel()->text().startsWith(times[language])) << language;
        EXPECT_EQ(window.windowTitle(), titles[language]);
        EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("ChartSource"))->text(), sources[language]);
    }
    window.showLive();
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("ChartSource"))->text(), QStringLiteral("Živě: posledních 60 s"));
}

TEST(ChartWindow, LongLogIsThinnedAndZoomShowsMoreDetail)
{
    ChannelChart chart;
    chart.resize(800, 400);
    chart.show();
    auto log = rideLog(100000);
    chart.setLog(log);
    chart.setChannels({*log->fieldIndex("RPM")});
    auto* series = qobject_cast<QLineSeries*>(chart.chart()->series().value(0));
    ASSERT_TRUE(series);
    EXPECT_LT(series->count(), 5000) << "thinned to the plot width";
    EXPECT_DOUBLE_EQ(chart.timeAxis()->min(), 0);
    EXPECT_NEAR(chart.timeAxis()->max(), 4999.95, 1e-3);

    chart.view()->showSpan(100, 110);
    EXPECT_EQ(series->count(), 202) << "every record of the span and one beyond each end";
    EXPECT_NEAR(series->at(1).x(), 100, 1e-3);
    chart.view()->zoomTime(2, 105);
    EXPECT_DOUBLE_EQ(chart.timeAxis()->min(), 95);
    EXPECT_DOUBLE_EQ(chart.timeAxis()->max(), 115);
    chart.view()->zoomTime(1e9, 105);
    EXPECT_NEAR(chart.timeAxis()->max() - chart.timeAxis()->min(), 4999.95, 1e-3) << "never wider than the log";
}

TEST(ChartWindow, ClickPlacesTheCursorListsValuesAndAsksTheReplay)
{
    ChartWindow window;
    window.resize(1000, 600);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.showLog(rideLog(200), QStringLiteral("ride.mlg"));
    window.selectChannels({"RPM", "Supply"});
    QSignalSpy seek(&window, &ChartWindow::seekRequested);

    ChartView* view = window.channelChart()->view();
    const QRectF plot = view->chart()->plotArea();
    const QPoint middle = view->mapFromScene(view->chart()->mapToScene(plot.center()));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, middle);
    ASSERT_EQ(seek.count(), 1);
    const double t = seek.at(0).at(0).toDouble();
    EXPECT_NEAR(t, 4.975, 0.1) << "the middle of 0..9.95 s";
    EXPECT_TRUE(view->cursorShown());
    const QString shown = window.cursorLabel()->text();
    EXPECT_TRUE(shown.contains(QStringLiteral("RPM: 1099 rpm")) || shown.contains(QStringLiteral("RPM: 1098 rpm")))
        << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("Supply: 13.800 V"))) << shown.toStdString();

    // A drag zooms to the band instead.
    const QPoint left = middle - QPoint(100, 0), right = middle + QPoint(100, 0);
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, left);
    QMouseEvent move(QEvent::MouseMove, right, view->viewport()->mapToGlobal(right), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, right);
    EXPECT_EQ(seek.count(), 1);
    EXPECT_LT(window.channelChart()->timeAxis()->max() - window.channelChart()->timeAxis()->min(), 9);

    // The replay moving moves the cursor; live charts ask nothing.
    window.setReplayTime(2.0);
    EXPECT_DOUBLE_EQ(window.channelChart()->cursorTime(), 2.0);
    EXPECT_TRUE(window.cursorLabel()->text().contains(QStringLiteral("Time: 2.000 s")));
}

TEST(ChartWindow, LiveChartKeepsTheLastMinute)
{
    ChartWindow window;
    window.show();
    ASSERT_TRUE(window.live());
    const auto start = std::chrono::steady_clock::time_point{} + std::chrono::hours(1);
    link::LiveSample s;
    for (int i = 0; i <= 3000; ++i) {  // 150 s at 50 ms
        s.rpm = static_cast<std::uint16_t>(i);
        window.appendLive(s, {}, start + std::chrono::milliseconds(50 * i));
    }
    window.channelChart()->logGrew();
    const datalog::DataLog* log = window.channelChart()->log();
    ASSERT_TRUE(log);
    EXPECT_LE(log->duration(), 2 * ChartWindow::kLiveSeconds + 0.1) << "older records are dropped";
    EXPECT_NEAR(window.channelChart()->timeAxis()->max(), 150, 1e-3);
    EXPECT_NEAR(window.channelChart()->timeAxis()->min(), 90, 1e-3);
    EXPECT_EQ(seriesNames(window.channelChart()->chart()), (QStringList{"RPM", "TPS", "Advance 1"}));
}

TEST(AdvanceCurveChart, FollowsTheImageAndMarksTheOperatingPoint)
{
    ParamImage image{};
    ApplyDefaultSet(image);
    const FieldDescriptor* advance = findField("advance");
    const FieldDescriptor* mapRpm = findField("mapRpm");
    AdvanceCurveChart chart;
    chart.setCurve(image, false);
    ASSERT_EQ(chart.curves().size(), 1);
    QLineSeries* curve = chart.curves()[0];
    ASSERT_EQ(curve->count(), 10);
    for (int r = 0; r < 10; ++r)
        EXPECT_EQ(curve->at(r), QPointF(mapRpm->controlValue(image, r), advance->controlValue(image, 90 + r)));
    // A committed change is redrawn.
    advance->setControlValue(image, 93, advance->controlValue(image, 93) + 4);
    chart.setCurve(image, false);
    EXPECT_EQ(curve->at(3).y(), advance->controlValue(image, 93));

    link::OperatingPoint op;
    op.opBelowMap = false;
    op.opRpmColumn = 3;
    chart.setOperatingPoint(op);
    ASSERT_EQ(chart.marker()->count(), 1);
    EXPECT_EQ(chart.marker()->at(0), curve->at(3));
    op.opBelowMap = true;
    chart.setOperatingPoint(op);
    EXPECT_EQ(chart.marker()->count(), 0) << "below the map: nothing marked";

    chart.setCurve(image, true);
    ASSERT_EQ(chart.curves().size(), 10);
    EXPECT_EQ(chart.curves()[0]->name(), QStringLiteral("0%"));
    EXPECT_EQ(chart.curves()[9]->name(), QStringLiteral("100%"));
    op.opBelowMap = false;
    op.opTpsRow = 4;
    chart.setOperatingPoint(op);
    EXPECT_EQ(chart.marker()->at(0), chart.curves()[4]->at(3)) << "the lit row's curve";
}

namespace {

// CIE Lab of an sRGB colour, for the distance the eye sees.
std::array<double, 3> lab(const QColor& c)
{
    auto linear = [](double v) { return v > 0.04045 ? std::pow((v + 0.055) / 1.055, 2.4) : v / 12.92; };
    const double r = linear(c.redF()), g = linear(c.greenF()), b = linear(c.blueF());
    const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
    const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
    auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

double distance(const QColor& a, const QColor& b)
{
    const auto p = lab(a), q = lab(b);
    return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

}  // namespace

TEST(AdvanceCurveChart, TenRowsTenDistinguishableColoursNoneLikeTheOperatingPoint)
{
    ASSERT_GE(curvePaletteSize(), 10u);
    for (std::size_t i = 0; i < curvePaletteSize(); ++i) {
        EXPECT_GT(distance(curveColour(i), operatingPointColour()), 40) << i;
        for (std::size_t k = 0; k < i; ++k)
            EXPECT_GT(distance(curveColour(i), curveColour(k)), 25) << i << " and " << k;
    }

    ParamImage image{};
    ApplyDefaultSet(image);
    AdvanceCurveChart chart;
    chart.setCurve(image, true);
    ASSERT_EQ(chart.curves().size(), 10);
    EXPECT_EQ(chart.marker()->color(), operatingPointColour());
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(chart.curves()[i]->color(), curveColour(static_cast<std::size_t>(i)))
            << chart.curves()[i]->name().toStdString();
    chart.setCurve(image, false);
    chart.setCurve(image, true);  // drawn anew: the same colours
    EXPECT_EQ(chart.curves()[9]->color(), curveColour(9));
}
