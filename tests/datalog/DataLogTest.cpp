// Recording and reading back: both formats give back exactly what was
// recorded, markers included; frames of the simulated unit become one record
// each; conversions keep the values.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <fstream>
#include <sstream>

#include "TempFolder.h"
#include "datalog/DataLogRecorder.h"
#include "datalog/LogFile.h"
#include "datalog/MslFormat.h"
#include "link/DeviceLink.h"
#include "link/MonitorDecoder.h"
#include "link/SimulatedUnitDevice.h"
#include "model/StartupImage.h"
#include "present/DisplayState.h"
#include "present/LivePresenter.h"

using namespace tarvel;
using namespace tarvel::datalog;
using Clock = DataLogRecorder::Clock;
using namespace std::chrono_literals;

namespace {

std::string slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Samples that reach the edges of every kind of field.
std::vector<MonitorRecord> edgeRecords()
{
    std::vector<MonitorRecord> out;
    for (int i = 0; i < 6; ++i) {
        MonitorRecord r;
        link::LiveSample& s = r.sample;
        const bool high = i % 2 == 1;
        s.rpm = high ? 65535 : static_cast<std::uint16_t>(i * 1234);
        s.tpsPercent = high ? 255 : static_cast<std::uint8_t>(i * 20);
        s.tpsMv = static_cast<std::uint16_t>(450 + i);
        s.supplyMv = high ? 65535 : static_cast<std::uint16_t>(13801 + i);
        s.lambdaMv = static_cast<std::uint16_t>(400 + 100 * i);
        s.servoMeasuredMv = static_cast<std::uint16_t>(1000 + i);
        s.servoDesiredMv = static_cast<std::uint16_t>(1040 + i);
        s.potak = static_cast<std::uint16_t>(5000 - i);
        s.n2oPercent = static_cast<std::uint8_t>(i * 7);
        s.retard = static_cast<std::uint8_t>(i);
        s.advance = {-100, 0, 155, static_cast<std::int16_t>(30 + i)};  // the frame's bytes 0, 100, 255
        s.maxAdvance = {0, 42, 65535, static_cast<std::uint16_t>(i)};
        s.startLimiterRpm = 4000;
        s.saveCount = static_cast<std::uint16_t>(414 - i);
        s.programCount = static_cast<std::uint16_t>(i + 3);
        int k = 0;
        for (bool* input : {&s.inStartLimiter, &s.inTachoLambda, &s.inClutch, &s.inBlock1, &s.inBlock2, &s.inN2o})
            *input = (i + k++) % 2 != 0;
        k = 0;
        for (bool* output : {&s.outLimiter, &s.outShiftLight, &s.outStartLimiter, &s.outTacho, &s.outClutch,
                             &s.outBlock1, &s.outBlock2, &s.outN2o})
            *output = (i + k++) % 3 == 0;
        s.pickup = {high, !high};
        s.tpsError = i == 2;
        s.servoOk = i != 3;
        s.dataError = i == 4;
        s.formatVersion = high ? 255 : 48;
        for (std::size_t k = 0; k < 8; ++k)
            s.test[k] = static_cast<std::uint16_t>(high ? 65535 - k : k * 1000 + static_cast<std::size_t>(i));
        s.checkA = {static_cast<std::uint8_t>(i), 255};
        s.checkB = {0, static_cast<std::uint8_t>(200 + i)};
        r.op.opBelowMap = i == 0;
        r.op.opRpmColumn = i == 0 ? 0 : static_cast<std::uint8_t>(i + 3);
        r.op.opTpsRow = static_cast<std::uint8_t>(9 - i);
        r.op.opServoColumn = static_cast<std::uint8_t>(i);
        r.time = 0.331 * i + (i == 5 ? 3600.0 : 0.0);  // a long pause before the last
        out.push_back(r);
    }
    return out;
}

struct FormatCase {
    const char* name;
    const char* file;
};

class RoundTrip : public ::testing::TestWithParam<FormatCase> {};

TEST_P(RoundTrip, RecordsAndMarkersReadBackUnchanged)
{
    TempFolder dir;
    const std::string path = dir.path(GetParam().file);
    const auto records = edgeRecords();
    const Clock::time_point start{};
    auto at = [&](double s) { return start + std::chrono::microseconds(std::llround(s * 1e6)); };
    {
        DataLogRecorder rec;
        ASSERT_TRUE(rec.open(path, start, 1'765'000'000)) << rec.error();
        ASSERT_TRUE(rec.mark("before any record", at(0)));
        for (std::size_t i = 0; i < records.size(); ++i) {
            ASSERT_TRUE(rec.record(records[i].sample, records[i].op, at(records[i].time)));
            if (i == 2) {
                ASSERT_TRUE(rec.mark("", at(records[i].time + 0.01)));
            }
            if (i == 3) {
                ASSERT_TRUE(rec.noteGap("Read", at(records[i].time + 0.2)));
            }
        }
        ASSERT_TRUE(rec.mark("tab\there, and a text longer than a binary marker can hold", at(3602)));
        EXPECT_EQ(rec.records(), records.size());
        EXPECT_EQ(rec.markers(), 4u);
        EXPECT_TRUE(rec.close());
    }
    const DataLog log = readLogFile(path);
    ASSERT_TRUE(log.report.opened) << log.report.message;
    EXPECT_TRUE(log.report.complete);
    EXPECT_EQ(log.report.message, "");
    ASSERT_EQ(log.recordCount(), records.size());
    const MonitorLogView view(log);
    EXPECT_TRUE(view.complete());
    for (std::size_t i = 0; i < records.size(); ++i) {
        const MonitorRecord got = view.record(i);
        EXPECT_EQ(got.sample, records[i].sample) << "record " << i;
        EXPECT_EQ(got.op, records[i].op) << "record " << i;
        EXPECT_NEAR(got.time, records[i].time, 0.0005) << "record " << i;
    }
    ASSERT_EQ(log.markers.size(), 4u);
    EXPECT_EQ(log.markers[0].beforeRecord, 0u);
    EXPECT_EQ(log.markers[0].text, "before any record");
    EXPECT_EQ(log.markers[1].beforeRecord, 3u);
    EXPECT_EQ(log.markers[1].text, "");
    EXPECT_EQ(log.markers[2].beforeRecord, 4u);
    EXPECT_EQ(log.markers[2].text, "Gap: Read");
    EXPECT_EQ(log.markers[3].beforeRecord, 6u);
    EXPECT_GE(log.markers[2].time, records[3].time);
    EXPECT_LT(log.markers[2].time, records[4].time);
    EXPECT_EQ(log.info.size(), 2u);
    EXPECT_EQ(log.info[0].rfind("Tarvel 3 ", 0), 0u);
    EXPECT_EQ(log.info[1].rfind("Capture Date: ", 0), 0u);
    // The advance shows in degrees: byte - 100.
    const auto adv3 = log.fieldIndex("Advance 3");
    ASSERT_TRUE(adv3);
    EXPECT_EQ(log.value(0, *adv3), 155);
    EXPECT_EQ(log.value(0, *log.fieldIndex("Advance 1")), -100);
    EXPECT_NEAR(log.value(0, *log.fieldIndex("Supply")), 13.801, 1e-6);
    EXPECT_EQ(log.value(0, *log.fieldIndex("Map Column")), -1);
}

INSTANTIATE_TEST_SUITE_P(Formats, RoundTrip,
                         ::testing::Values(FormatCase{"Binary", "ride.mlg"}, FormatCase{"Text", "ride.MSL"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MlgLayout, HeaderFieldsAndBlocksAreWhereReadersLookForThem)
{
    TempFolder dir;
    const std::string path = dir.path("a.mlg");
    DataLogRecorder rec;
    ASSERT_TRUE(rec.open(path, Clock::time_point{}, 0x01020304));
    MonitorRecord r = edgeRecords()[1];
    ASSERT_TRUE(rec.record(r.sample, r.op, Clock::time_point{} + 1234567us));
    ASSERT_TRUE(rec.mark("m", Clock::time_point{} + 1300000us));
    rec.close();
    const std::string f = slurp(path);
    auto u = [&](std::size_t at, std::size_t n) {
        std::uint64_t v = 0;
        for (std::size_t i = 0; i < n; ++i)
            v = (v << 8) | static_cast<unsigned char>(f[at + i]);
        return v;
    };
    const std::size_t n = monitorFields().size();
    ASSERT_EQ(f.compare(0, 6, std::string("MLVLG\0", 6)), 0);
    EXPECT_EQ(u(6, 2), 1u);
    EXPECT_EQ(u(8, 4), 0x01020304u);
    EXPECT_EQ(u(12, 2), 22 + 55 * n);
    EXPECT_EQ(u(18, 2), monitorRecordLength());
    EXPECT_EQ(u(20, 2), n);
    // Field 1: U32 "Time" in "s", scale 0.001, 3 digits.
    EXPECT_EQ(u(22, 1), 4u);
    EXPECT_EQ(f.substr(23, 5), std::string("Time\0", 5));
    EXPECT_EQ(f.substr(57, 2), std::string("s\0", 2));
    EXPECT_EQ(u(22 + 45, 1), 0u);
    EXPECT_EQ(u(22 + 46, 4), std::bit_cast<std::uint32_t>(0.001f));
    EXPECT_EQ(u(22 + 54, 1), 3u);
    const std::size_t data = u(14, 4);
    EXPECT_EQ(f[data - 1], '\0');
    EXPECT_NE(f.substr(u(12, 2), data - u(12, 2)).find("Capture Date: "), std::string::npos);
    // Record block: type 0, counter 0, timestamp 123456 (10 us) mod 65536, time 1234 ms.
    EXPECT_EQ(u(data, 1), 0u);
    EXPECT_EQ(u(data + 1, 1), 0u);
    EXPECT_EQ(u(data + 2, 2), 123456u % 65536);
    EXPECT_EQ(u(data + 4, 4), 1234u);
    unsigned sum = 0;
    for (std::size_t i = 0; i < monitorRecordLength(); ++i)
        sum += static_cast<unsigned char>(f[data + 4 + i]);
    const std::size_t marker = data + 4 + monitorRecordLength() + 1;
    EXPECT_EQ(u(marker - 1, 1), sum % 256);
    EXPECT_EQ(u(marker, 1), 1u);
    EXPECT_EQ(u(marker + 1, 1), 1u);
    EXPECT_EQ(f.size(), marker + 4 + 50);
}

TEST(MslLayout, TextLinesWithADotWhateverTheLocale)
{
    TempFolder dir;
    const std::string path = dir.path("a.msl");
    DataLogRecorder rec;
    ASSERT_TRUE(rec.open(path, Clock::time_point{}, 0));
    MonitorRecord r = edgeRecords()[0];
    ASSERT_TRUE(rec.record(r.sample, r.op, Clock::time_point{} + 2500ms));
    ASSERT_TRUE(rec.mark("pit lane", Clock::time_point{} + 2600ms));
    ASSERT_TRUE(rec.mark("", Clock::time_point{} + 2700ms));
    rec.close();
    std::istringstream in(slurp(path));
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);)
        lines.push_back(l);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0].rfind("\"Tarvel 3 ", 0), 0u);
    EXPECT_EQ(lines[1].rfind("\"Capture Date: ", 0), 0u);
    EXPECT_EQ(lines[2].rfind("Time\tRPM\tTPS\tTPS Voltage\tSupply\t", 0), 0u);
    EXPECT_EQ(lines[3].rfind("s\trpm\t%\tmV\tV\t", 0), 0u);
    EXPECT_EQ(lines[4].rfind("2.500\t0\t0\t450\t13.801\t", 0), 0u);
    EXPECT_EQ(lines[5], "MARK 001 pit lane");
    EXPECT_EQ(lines[6], "MARK 002");
}

TEST(Recorder, EveryRecordIsInTheFileBeforeTheNextOne)
{
    TempFolder dir;
    for (const char* name : {"live.mlg", "live.msl"}) {
        DataLogRecorder rec;
        ASSERT_TRUE(rec.open(dir.path(name)));
        const auto records = edgeRecords();
        for (std::size_t i = 0; i < records.size(); ++i) {
            ASSERT_TRUE(rec.record(records[i].sample, records[i].op));
            // Read while the recorder still has the file open.
            const DataLog log = readLogFile(dir.path(name));
            EXPECT_EQ(log.recordCount(), i + 1) << name;
            EXPECT_TRUE(log.report.complete) << name;
        }
    }
}

TEST(Recorder, RefusesWhatCannotHoldALog)
{
    TempFolder dir;
    struct Case {
        std::string path;
        const char* error;
    };
    const Case cases[] = {
        {dir.path("ride.txt"), "a log is written as .mlg or .msl"},
        {dir.path("ride.csv"), "a log is written as .mlg or .msl"},
        {dir.path("missing/ride.mlg"), "No such file or directory"},
        {"/dev/null.mlg", ""},  // a folder that cannot be written (unless root)
        {dir.path(""), "a log is written as .mlg or .msl"},
    };
    for (const Case& c : cases) {
        if (c.path == "/dev/null.mlg" && ::geteuid() == 0)
            continue;
        DataLogRecorder rec;
        EXPECT_FALSE(rec.open(c.path)) << c.path;
        EXPECT_FALSE(rec.isOpen());
        EXPECT_NE(rec.error().find(c.error), std::string::npos) << c.path << ": " << rec.error();
        EXPECT_FALSE(rec.record({}, {}));
    }
}

// The simulated unit's frames through the link: one record per accepted
// frame (damaged frames are not recorded), the values of that frame, and a
// replayed frame that the decoder shows exactly as the live one.
TEST(Recorder, OneRecordPerAcceptedFrameOfTheSimulatedUnit)
{
    TempFolder dir;
    ParamImage image = StartupImage();
    MessageTable messages;
    messages.loadAll(Language::English);
    struct Host : link::LinkHost {
        void normaliseAndShowImage() override {}
        void portOpenFailed(const link::DeviceOpenFailure&) override {}
        void unitVersionMismatch(int) override {}
        void releaseNoteChanged(bool) override {}
        void applyCaptions() override {}
        bool tpsMapChecked() const override { return true; }
    } host;
    link::SimulatedUnitOptions options;
    options.corruptEvery = 4;
    auto device = std::make_unique<link::SimulatedUnitDevice>(options);
    auto* unit = device.get();
    link::DeviceLink link(image, host, std::move(device));
    link.openPort();

    const std::string path = dir.path("sim.mlg");
    DataLogRecorder rec;
    const Clock::time_point start{};
    ASSERT_TRUE(rec.open(path, start, 0));
    std::vector<link::FrameBytes> frames;
    std::vector<link::OperatingPoint> points;
    std::uint32_t seen = 0;
    for (int tick = 0; tick < 600; ++tick) {
        unit->nowMs += 55;
        link.tick();
        if (link.monitorFrames() != seen) {
            seen = link.monitorFrames();
            frames.push_back(link.lastMonitorFrame());
            points.push_back(link.operatingPoint());
            ASSERT_TRUE(rec.record(link.liveSample(), link.operatingPoint(),
                                   start + std::chrono::milliseconds(unit->nowMs)));
        }
    }
    rec.close();
    ASSERT_GT(frames.size(), 50u);
    // Every fourth answer was damaged, so fewer frames than requests.
    EXPECT_LT(frames.size(), 600u / 6);

    const DataLog log = readLogFile(path);
    ASSERT_EQ(log.recordCount(), frames.size());
    EXPECT_EQ(log.recordCount(), link.monitorFrames());
    const MonitorLogView view(log);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const MonitorRecord r = view.record(i);
        EXPECT_EQ(r.sample, link::LiveSample::fromFrame(frames[i])) << i;
        EXPECT_EQ(r.op, points[i]) << i;
        if (i > 0) {
            EXPECT_GT(r.time, view.record(i - 1).time) << i;
        }

        // The replayed frame decodes and presents as the live one did.
        link::MonitorDecoder a, b;
        ASSERT_TRUE(a.decode(frames[i]));
        ASSERT_TRUE(b.decode(r.sample.toFrame().bytes));
        present::DisplayState live, replayed;
        present::LivePresenter(live).showSample(a.sample(), image, messages);
        present::LivePresenter(replayed).showSample(b.sample(), image, messages);
        for (int c = 0; c < present::kControlCount; ++c) {
            const auto id = static_cast<present::ControlId>(c);
            EXPECT_EQ(replayed[id].text, live[id].text) << i << " " << present::objectName(id);
            EXPECT_EQ(replayed[id].colour, live[id].colour) << i << " " << present::objectName(id);
            EXPECT_EQ(replayed[id].visible, live[id].visible) << i << " " << present::objectName(id);
        }
    }
    // The sweep moves the engine speed, so the chart has something to show.
    const auto rpm = log.channel(*log.fieldIndex("RPM"));
    EXPECT_GT(*std::max_element(rpm.begin(), rpm.end()), *std::min_element(rpm.begin(), rpm.end()));
    EXPECT_EQ(log.indexAtTime(log.time(10)), 10u);
    EXPECT_EQ(log.indexAtTime(log.time(10) + 0.001), 10u);
    EXPECT_EQ(log.indexAtTime(-1), 0u);
}

// mlg -> msl -> mlg keeps every raw value; csv carries names, units and values.
TEST(Export, ConversionsKeepTheValues)
{
    TempFolder dir;
    const auto records = edgeRecords();
    {
        DataLogRecorder rec;
        ASSERT_TRUE(rec.open(dir.path("a.mlg"), Clock::time_point{}, 1'700'000'000));
        for (const auto& r : records)
            rec.record(r.sample, r.op, Clock::time_point{} + std::chrono::milliseconds(std::llround(r.time * 1000)));
        rec.mark("x", Clock::time_point{} + 4000s);
    }
    const DataLog a = readLogFile(dir.path("a.mlg"));
    std::string error;
    ASSERT_TRUE(writeLogFile(a, dir.path("b.msl"), error)) << error;
    const DataLog b = readLogFile(dir.path("b.msl"));
    ASSERT_TRUE(writeLogFile(b, dir.path("c.mlg"), error)) << error;
    const DataLog c = readLogFile(dir.path("c.mlg"));
    ASSERT_EQ(c.recordCount(), a.recordCount());
    for (std::size_t i = 0; i < a.recordCount(); ++i) {
        const auto ra = a.rawRecord(i), rc = c.rawRecord(i);
        EXPECT_TRUE(std::equal(ra.begin(), ra.end(), rc.begin(), rc.end())) << i;
    }
    ASSERT_EQ(c.markers.size(), 1u);
    EXPECT_EQ(c.markers[0].text, "x");
    EXPECT_EQ(c.startUnixTime, 1'700'000'000);  // carried by the binary header only
    EXPECT_EQ(c.info, a.info);

    ASSERT_TRUE(writeLogFile(a, dir.path("d.csv"), error)) << error;
    std::istringstream in(slurp(dir.path("d.csv")));
    std::string header, first;
    std::getline(in, header);
    std::getline(in, first);
    EXPECT_EQ(header.rfind("Time [s],RPM [rpm],TPS [%],TPS Voltage [mV],Supply [V],", 0), 0u);
    EXPECT_NE(header.find(",Potak,"), std::string::npos);
    EXPECT_EQ(first.rfind("0.000,0,0,450,13.801,", 0), 0u);
    EXPECT_EQ(std::count(first.begin(), first.end(), ','), static_cast<long>(monitorFields().size() - 1));

    EXPECT_FALSE(writeLogFile(a, dir.path("e.txt"), error));
    EXPECT_FALSE(writeLogFile(a, dir.path("missing/e.mlg"), error));
    EXPECT_NE(error.find("missing"), std::string::npos);
}

// A text log from another program: its own fields, values kept as numbers.
TEST(MslReader, ForeignFieldsKeepTheirValues)
{
    const DataLog log = readMsl("\"Other logger 1.0\"\nTime\tRPM\tAFR\ns\trpm\t\n"
                                "0.01\t900\t14.7\n0.02\t950\t14.65\r\nMARK 000 Manual\n0.03\t-5\t1e2\n");
    ASSERT_TRUE(log.report.opened) << log.report.message;
    ASSERT_EQ(log.recordCount(), 3u);
    EXPECT_EQ(log.info, std::vector<std::string>{"Other logger 1.0"});
    EXPECT_EQ(log.fields()[1].units, "rpm");
    EXPECT_NEAR(log.value(1, 2), 14.65, 1e-5);
    EXPECT_EQ(log.value(2, 1), -5);
    EXPECT_EQ(log.fields()[2].digits, 2);
    EXPECT_NEAR(log.time(2), 0.03, 1e-6);
    ASSERT_EQ(log.markers.size(), 1u);
    EXPECT_EQ(log.markers[0].text, "Manual");
    EXPECT_EQ(log.markers[0].beforeRecord, 2u);
    EXPECT_FALSE(MonitorLogView(log).complete());
    EXPECT_EQ(MonitorLogView(log).record(0).sample.rpm, 900);
}

}  // namespace
