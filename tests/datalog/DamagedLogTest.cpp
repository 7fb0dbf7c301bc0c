// Damaged logs: a broken header opens nothing, damage further on keeps the
// records before it, a record with a wrong sum byte (or a text line that does
// not parse) is skipped and counted, and the message says how much was read.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "TempFolder.h"
#include "datalog/DataLogRecorder.h"
#include "datalog/LogFile.h"
#include "datalog/MlgFormat.h"
#include "datalog/MslFormat.h"

using namespace tarvel;
using namespace tarvel::datalog;
using Clock = DataLogRecorder::Clock;

namespace {

constexpr int kRecords = 10;

// A good log of ten records (rpm 1000..1009) with a marker after the fifth.
std::string goodLog(const char* name)
{
    TempFolder dir;
    const std::string path = dir.path(name);
    DataLogRecorder rec;
    EXPECT_TRUE(rec.open(path, Clock::time_point{}, 0));
    for (int i = 0; i < kRecords; ++i) {
        link::LiveSample s;
        s.rpm = static_cast<std::uint16_t>(1000 + i);
        rec.record(s, {}, Clock::time_point{} + std::chrono::milliseconds(330 * i));
        if (i == 4)
            rec.mark("five", Clock::time_point{} + std::chrono::milliseconds(330 * i + 5));
    }
    rec.close();
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

std::size_t dataStart(const std::string& mlg)
{
    std::size_t at = 0;
    for (int i = 14; i < 18; ++i)
        at = (at << 8) | static_cast<unsigned char>(mlg[static_cast<std::size_t>(i)]);
    return at;
}

// Start of block k (records and the one marker after record 4).
std::size_t blockAt(const std::string& mlg, int k)
{
    const std::size_t record = 4 + monitorRecordLength() + 1;
    return dataStart(mlg) + record * static_cast<std::size_t>(k) + (k > 5 ? 4 + 50 : 0);
}

struct Case {
    const char* name;
    std::function<void(std::string&)> damage;
    bool opened;
    std::vector<int> rpms;  // of the records read, minus 1000
    std::size_t bad;
    std::string message;  // a part of the message
};

void check(const Case& c, const DataLog& log)
{
    SCOPED_TRACE(c.name);
    EXPECT_EQ(log.report.opened, c.opened) << log.report.message;
    EXPECT_NE(log.report.message.find(c.message), std::string::npos) << log.report.message;
    EXPECT_EQ(log.report.badRecords, c.bad);
    std::vector<int> rpms;
    const auto rpm = log.fieldIndex("RPM");
    for (std::size_t i = 0; rpm && i < log.recordCount(); ++i)
        rpms.push_back(static_cast<int>(log.value(i, *rpm)) - 1000);
    EXPECT_EQ(rpms, c.rpms);
    if (!c.opened) {
        EXPECT_EQ(log.recordCount(), 0u);
    }
}

std::vector<int> upTo(int n, int skip = -1)
{
    std::vector<int> v;
    for (int i = 0; i < n; ++i)
        if (i != skip)
            v.push_back(i);
    return v;
}

TEST(DamagedMlg, ReadsUpToTheDamage)
{
    const std::string good = goodLog("g.mlg");
    const std::size_t fields = 22 + 55 * monitorFields().size();
    auto setByte = [](std::size_t at, int v) { return [=](std::string& f) { f[at] = static_cast<char>(v); }; };
    const Case cases[] = {
        {"intact", [](std::string&) {}, true, upTo(10), 0, ""},
        {"empty file", [](std::string& f) { f.clear(); }, false, {}, 0, "not a binary log"},
        {"not a log", [](std::string& f) { f = "hello, world, this is not a log at all"; }, false, {}, 0, "not a binary log"},
        {"header cut at 12", [](std::string& f) { f.resize(12); }, false, {}, 0, "ends inside the header"},
        {"field list cut", [&](std::string& f) { f.resize(22 + 55 * 3 + 7); }, false, {}, 0, "ends inside the field list"},
        {"info text cut", [&](std::string& f) { f.resize(fields + 3); }, false, {}, 0, "ends inside the info text"},
        {"version 2", setByte(7, 2), false, {}, 0, "version 2 is not supported"},
        {"unknown field type", [&](std::string& f) { f[22 + 55 * 2] = 9; }, false, {}, 0, "field 3 has the unknown type 9"},
        {"record length wrong", setByte(19, 3), false, {}, 0, "does not match the fields"},
        {"no fields", [](std::string& f) { f[20] = 0; f[21] = 0; }, false, {}, 0, "no fields"},
        {"first field renamed", setByte(23, 'X'), false, {}, 0, "not \"Time\""},
        {"offsets damaged", [](std::string& f) { f[12] = 0; f[13] = 1; }, false, {}, 0, "offsets are damaged"},
        {"last record cut", [](std::string& f) { f.resize(f.size() - 7); }, true, upTo(9), 0,
         "read 9 records"},
        {"cut inside a block header", [&](std::string& f) { f.resize(blockAt(f, 3) + 2); }, true, upTo(3), 0,
         "ends inside a block at byte"},
        {"bad sum byte", [&](std::string& f) { f[blockAt(f, 7) + 5] ^= 0x10; }, true, upTo(10, 7), 1,
         "skipped 1 record with a wrong sum byte"},
        {"garbage block", [&](std::string& f) { f[blockAt(f, 8)] = 'G'; }, true, upTo(8), 0,
         "unknown type (71)"},
        {"garbage appended", [](std::string& f) { f += "\x07garbage"; }, true, upTo(10), 0, "unknown type (7)"},
        {"bad sum and cut", [&](std::string& f) { f[blockAt(f, 1) + 4] ^= 1; f.resize(f.size() - 1); }, true,
         {0, 2, 3, 4, 5, 6, 7, 8}, 1, "wrong sum byte"},
    };
    for (const Case& c : cases) {
        std::string file = good;
        c.damage(file);
        const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(file.data()), file.size());
        check(c, readMlg(bytes));
    }
    // The intact file's marker sits after the fifth record, 5 ms later.
    const DataLog log = readMlg(std::span(reinterpret_cast<const std::uint8_t*>(good.data()), good.size()));
    ASSERT_EQ(log.markers.size(), 1u);
    EXPECT_EQ(log.markers[0].beforeRecord, 5u);
    EXPECT_NEAR(log.markers[0].time, 4 * 0.33 + 0.005, 1e-6);
    EXPECT_TRUE(log.report.complete);
}

TEST(DamagedMsl, ReadsUpToTheDamage)
{
    const std::string good = goodLog("g.msl");
    auto replaceLine = [](int n, std::string with) {
        return [=](std::string& f) {
            std::size_t at = 0;
            for (int i = 0; i < n; ++i)
                at = f.find('\n', at) + 1;
            f.replace(at, f.find('\n', at) - at, with);
        };
    };
    // Lines: 0-1 info, 2 names, 3 units, 4-8 records 0-4, 9 marker, 10-14 records 5-9.
    const Case cases[] = {
        {"intact", [](std::string&) {}, true, upTo(10), 0, ""},
        {"empty file", [](std::string& f) { f.clear(); }, false, {}, 0, "no line of field names"},
        {"info only", [](std::string& f) { f.resize(f.find('\n', f.find('\n') + 1) + 1); }, false, {}, 0,
         "no line of field names"},
        {"names but no units", [](std::string& f) { f.resize(f.find("\ns\t") + 1); }, false, {}, 0,
         "ends before the line of units"},
        {"first field not Time", replaceLine(2, "RPM\tTime"), false, {}, 0, "not \"Time\""},
        {"too many units", replaceLine(3, std::string(200, '\t') + "x"), false, {}, 0, "line of units has"},
        {"last line cut", [](std::string& f) { f.resize(f.size() - 9); }, true, upTo(9), 0,
         "the last line is cut short"},
        {"last line end missing", [](std::string& f) { f.pop_back(); }, true, upTo(9), 0, "read 9 records"},
        {"a value not a number", replaceLine(7, "1.0\tfast"), true, upTo(10, 3), 1,
         "skipped 1 line that are not records (the first is line 8)"},
        {"an empty line for a record", replaceLine(12, ""), true, upTo(10, 7), 0, ""},
        {"binary garbage line", replaceLine(11, std::string("\x01\xff\x00zz", 5)), true, upTo(10, 6), 1, "line 12"},
        {"windows line ends", [](std::string& f) {
             std::string out;
             for (char ch : f) {
                 if (ch == '\n')
                     out += '\r';
                 out += ch;
             }
             f = out;
         }, true, upTo(10), 0, ""},
    };
    for (const Case& c : cases) {
        std::string file = good;
        c.damage(file);
        check(c, readMsl(file));
    }
    // A value beyond its field's range is no record.
    std::string file = good;
    const std::size_t at = file.find("\n1.650\t1005\t") + 7;
    file.replace(at, 4, "99999");
    const DataLog log = readMsl(file);
    EXPECT_EQ(log.recordCount(), 9u);
    EXPECT_EQ(log.report.badRecords, 1u);
}

TEST(DamagedFiles, OpeningReportsThePath)
{
    TempFolder dir;
    struct FileCase {
        std::string path;
        const char* message;
    };
    const FileCase cases[] = {
        {dir.path("missing.mlg"), "No such file or directory"},
        {dir.path("notes.txt"), "not a log file name"},
        {dir.path("out.csv"), "CSV is written by export only"},
        {dir.path() + "/.mlg", "No such file"},
    };
    for (const FileCase& c : cases) {
        const DataLog log = readLogFile(c.path);
        EXPECT_FALSE(log.report.opened) << c.path;
        EXPECT_NE(log.report.message.find(c.message), std::string::npos) << log.report.message;
    }
    std::filesystem::create_directory(dir.path("folder.msl"));
    EXPECT_NE(readLogFile(dir.path("folder.msl")).report.message.find("not a regular file"), std::string::npos);
}

}  // namespace
