// The replay position follows the log's own times at the chosen speed, stops
// at the end, and steps and seeks stay within the log.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "datalog/LogStatusText.h"
#include "datalog/MinMaxDecimator.h"
#include "datalog/MonitorLayout.h"
#include "datalog/ReplayController.h"

using namespace tarvel::datalog;
using namespace std::chrono_literals;
using Clock = ReplayController::Clock;

namespace {

// `count` records 100 ms apart, starting at `firstMs`; the speed is 100 x index.
DataLog monitorLog(std::size_t count, std::uint32_t firstMs = 0)
{
    DataLog log;
    log.setFields(monitorFields());
    std::vector<std::uint8_t> raw(monitorRecordLength());
    for (std::size_t i = 0; i < count; ++i) {
        tarvel::link::LiveSample s;
        s.rpm = static_cast<std::uint16_t>(100 * i);
        packMonitorRecord(firstMs + static_cast<std::uint32_t>(100 * i), s, {}, raw);
        log.appendRecord(raw);
    }
    return log;
}

const Clock::time_point t0{};

}  // namespace

TEST(ReplayController, PlaysAtEachSpeedFromTheLogsOwnTimes)
{
    struct Case {
        int speed;
        std::chrono::milliseconds wall;
        std::size_t position;
    };
    for (const Case c : {Case{1, 0ms, 0}, Case{1, 99ms, 0}, Case{1, 100ms, 1}, Case{1, 1050ms, 10}, Case{2, 1050ms, 21},
                         Case{4, 500ms, 20}, Case{8, 500ms, 40}, Case{8, 10s, 49}}) {
        SCOPED_TRACE(testing::Message() << c.speed << "x after " << c.wall.count() << " ms");
        ReplayController replay(monitorLog(50, 2500));
        ASSERT_TRUE(replay.setSpeed(c.speed, t0));
        replay.play(t0);
        replay.tick(t0 + c.wall);
        EXPECT_EQ(replay.position(), c.position);
        EXPECT_EQ(replay.current().sample.rpm, 100 * c.position);
        EXPECT_NEAR(replay.elapsed(), 0.1 * static_cast<double>(c.position), 1e-5);
        EXPECT_EQ(replay.playing(), c.position < 49) << "stops at the last record";
    }
}

TEST(ReplayController, SpeedChangeKeepsTheTimeReached)
{
    ReplayController replay(monitorLog(100));
    replay.play(t0);
    replay.tick(t0 + 1s);
    EXPECT_EQ(replay.position(), 10u);
    ASSERT_TRUE(replay.setSpeed(4, t0 + 1s));
    replay.tick(t0 + 1500ms);
    EXPECT_EQ(replay.position(), 30u);
    EXPECT_FALSE(replay.setSpeed(3, t0 + 1500ms));
    EXPECT_FALSE(replay.setSpeed(0, t0 + 1500ms));
    EXPECT_EQ(replay.speed(), 4);
}

TEST(ReplayController, PauseStepAndSeekStayInTheLog)
{
    ReplayController replay(monitorLog(10));
    replay.play(t0);
    replay.tick(t0 + 300ms);
    replay.pause();
    EXPECT_FALSE(replay.tick(t0 + 5s)) << "paused: the position stays";
    EXPECT_EQ(replay.position(), 3u);

    replay.play(t0 + 5s);
    replay.step(1);
    EXPECT_FALSE(replay.playing()) << "a step pauses";
    EXPECT_EQ(replay.position(), 4u);
    replay.step(-100);
    EXPECT_EQ(replay.position(), 0u);
    replay.step(100);
    EXPECT_EQ(replay.position(), 9u);

    replay.seek(1000);
    EXPECT_EQ(replay.position(), 9u);
    replay.seekTime(0.45);
    EXPECT_EQ(replay.position(), 4u);
    replay.seekTime(-3);
    EXPECT_EQ(replay.position(), 0u);

    // Playing from the end starts again at the first record.
    replay.seek(9);
    replay.play(t0);
    EXPECT_EQ(replay.position(), 0u);
    EXPECT_TRUE(replay.playing());
}

TEST(ReplayController, SeekWhilePlayingGoesOnFromThere)
{
    ReplayController replay(monitorLog(100));
    replay.play(t0);
    replay.seek(50, t0 + 1s);
    replay.tick(t0 + 1200ms);
    EXPECT_EQ(replay.position(), 52u);
}

TEST(ReplayController, EmptyLogDoesNothing)
{
    ReplayController replay(monitorLog(0));
    replay.play(t0);
    EXPECT_FALSE(replay.playing());
    replay.step(3);
    replay.seekTime(5);
    EXPECT_FALSE(replay.tick(t0 + 1s));
    EXPECT_EQ(replay.position(), 0u);
    EXPECT_EQ(replay.current().sample, tarvel::link::LiveSample{});
}

TEST(LogStatusText, StatusLinesInEachLanguage)
{
    struct Case {
        tarvel::Language language;
        std::string recording, replay, title;
    };
    using tarvel::Language;
    for (const Case& c :
         {Case{Language::English, "Recording ride.mlg: 1234 records, 02:05", "REPLAY ride.mlg  00:12 / 1:05:00  4x",
               "[REPLAY ride.mlg]"},
          Case{Language::German, "Aufzeichnung ride.mlg: 1234 Datensätze, 02:05",
               "WIEDERGABE ride.mlg  00:12 / 1:05:00  4x", "[WIEDERGABE ride.mlg]"},
          Case{Language::French, "Enregistrement ride.mlg: 1234 enregistrements, 02:05",
               "RELECTURE ride.mlg  00:12 / 1:05:00  4x", "[RELECTURE ride.mlg]"},
          Case{Language::Czech, "Záznam ride.mlg: 1234 záznamů, 02:05", "PŘEHRÁVÁNÍ ride.mlg  00:12 / 1:05:00  4x",
               "[PŘEHRÁVÁNÍ ride.mlg]"}}) {
        EXPECT_EQ(recordingStatus(c.language, "ride.mlg", 1234, 125.9), c.recording);
        EXPECT_EQ(replayStatus(c.language, "ride.mlg", 12.3, 3900, 4, true), c.replay);
        EXPECT_EQ(replayTitleNote(c.language, "ride.mlg"), c.title);
    }
    EXPECT_EQ(replayStatus(tarvel::Language::English, "a.msl", 0, 0, 1, false), "REPLAY a.msl  00:00 / 00:00  1x  paused");
    EXPECT_EQ(clockText(-5), "00:00");
    EXPECT_EQ(defaultLogName(0).size(), std::string("1970-01-01_00-00-00.mlg").size());
}

// Every dialog text of the Log menu is there in every language, each its own
// (a row left out would shift every later text onto the wrong dialog).
TEST(LogStatusText, DialogTextsInEachLanguage)
{
    using tarvel::Language;
    for (int l = 0; l < tarvel::kLanguageCount; ++l) {
        const auto language = static_cast<Language>(l);
        std::set<std::string_view> seen;
        for (int i = 0; i < static_cast<int>(LogText::Count); ++i) {
            const std::string_view text = logText(static_cast<LogText>(i), language);
            EXPECT_FALSE(text.empty()) << l << "/" << i;
            EXPECT_TRUE(seen.insert(text).second) << l << "/" << i << " " << text;
            if (language != Language::English) {
                EXPECT_NE(text, logText(static_cast<LogText>(i), Language::English)) << l << "/" << i;
            }
        }
    }
    EXPECT_EQ(logText(LogText::StartFailed, Language::German), "Die Aufzeichnung konnte nicht gestartet werden.");
    EXPECT_EQ(logText(LogText::NoRecords, Language::Czech), "žádné záznamy");
    EXPECT_EQ(logText(LogText::Count, Language::English), "");
}

TEST(MinMaxDecimator, KeepsEachBucketsExtremesAndTheEdges)
{
    std::vector<double> t, y;
    for (int i = 0; i < 1000; ++i) {
        t.push_back(i * 0.01);
        y.push_back(i == 537 ? 900 : i == 538 ? -900 : i % 7);
    }
    std::vector<ChartPoint> out;
    decimateMinMax(t, y, 2.0, 8.0, 50, out);
    EXPECT_LE(out.size(), 2u * 50 + 2);
    EXPECT_LT(out.front().t, 2.0) << "one point before the span";
    EXPECT_GT(out.back().t, 8.0) << "one point after it";
    EXPECT_TRUE(std::is_sorted(out.begin(), out.end(), [](auto a, auto b) { return a.t < b.t; }));
    const auto has = [&](double value) {
        return std::any_of(out.begin(), out.end(), [&](auto p) { return p.y == value; });
    };
    EXPECT_TRUE(has(900) && has(-900)) << "a spike survives the thinning";
    EXPECT_TRUE(has(0) && has(6));

    decimateMinMax(t, y, 0, 0.05, 50, out);
    EXPECT_EQ(out.size(), 7u) << "few points: all of them, and one beyond";
    decimateMinMax(t, y, 20, 30, 50, out);
    EXPECT_EQ(out.size(), 1u) << "after the log: its last point";
    decimateMinMax({}, {}, 0, 1, 50, out);
    EXPECT_TRUE(out.empty());
}
