// tarvel3ctl monitor --log against tarvel3ctl simulate on a pseudo-terminal,
// then log info and log export on the result.
#include <gtest/gtest.h>

#include <fstream>

#include "CtlRun.h"
#include "SimulatorProcess.h"
#include "TempFolder.h"
#include "datalog/LogFile.h"
#include "datalog/MonitorLayout.h"

using namespace tarvel::datalog;
using namespace tarvel::ctl::test;
using namespace std::chrono_literals;

namespace {

TEST(LogCommand, MonitorRecordsEveryPrintedFrameAndTheLogConverts)
{
    TempFolder dir;
    SimulatorProcess sim({"--corrupt-every", "5"});
    ASSERT_FALSE(sim.path().empty());
    for (const char* name : {"ride.mlg", "ride.msl"}) {
        SCOPED_TRACE(name);
        const std::string log = dir.path(name);
        const CtlResult m = runCtl({"monitor", "--port", sim.path(), "--frames", "8", "--log", log});
        ASSERT_EQ(m.status, 0) << m.err;
        EXPECT_EQ(std::count(m.out.begin(), m.out.end(), '\n'), 8);
        EXPECT_NE(m.err.find(": 8 records"), std::string::npos) << m.err;

        const DataLog read = readLogFile(log);
        ASSERT_EQ(read.recordCount(), 8u) << read.report.message;
        const MonitorLogView view(read);
        for (std::size_t i = 0; i < read.recordCount(); ++i) {
            const MonitorRecord r = view.record(i);
            // The printed line of the same frame shows the same speed.
            const std::size_t line = [&] {
                std::size_t at = 0;
                for (std::size_t k = 0; k < i; ++k)
                    at = m.out.find('\n', at) + 1;
                return at;
            }();
            EXPECT_EQ(m.out.compare(line, 6 + std::to_string(r.sample.rpm).size() + 1,
                                    "RPM = " + std::to_string(r.sample.rpm) + " "),
                      0)
                << m.out.substr(line, 40);
            EXPECT_EQ(r.sample.formatVersion, 48);
            if (i > 0) {
                EXPECT_GT(r.time, read.time(i - 1));
            }
        }

        const CtlResult info = runCtl({"log", "info", log});
        ASSERT_EQ(info.status, 0) << info.err;
        EXPECT_NE(info.out.find("Records: 8\n"), std::string::npos) << info.out;
        EXPECT_NE(info.out.find("Fields: " + std::to_string(monitorFields().size()) + "\n"), std::string::npos);
        EXPECT_NE(info.out.find("Markers: 0\n"), std::string::npos);
        EXPECT_NE(info.out.find("Duration: "), std::string::npos);

        for (const char* to : {"out.mlg", "out.msl", "out.csv"}) {
            const CtlResult e = runCtl({"log", "export", log, dir.path(to)});
            ASSERT_EQ(e.status, 0) << e.err;
            EXPECT_NE(e.out.find(": 8 records"), std::string::npos) << e.out;
        }
        const DataLog back = readLogFile(dir.path("out.mlg"));
        ASSERT_EQ(back.recordCount(), 8u);
        for (std::size_t i = 0; i < 8; ++i)
            EXPECT_EQ(MonitorLogView(back).record(i).sample, view.record(i).sample);
        std::ifstream csv(dir.path("out.csv"));
        std::string header;
        std::getline(csv, header);
        EXPECT_EQ(header.rfind("Time [s],RPM [rpm],", 0), 0u);
    }
}

TEST(LogCommand, DamagedAndWrongInputGetAClearMessage)
{
    TempFolder dir;
    {
        std::ofstream(dir.path("junk.mlg")) << "not a log";
    }
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* err;
    };
    const Case cases[] = {
        {{"log", "info", dir.path("junk.mlg")}, 1, "not a binary log"},
        {{"log", "info", dir.path("none.msl")}, 1, "No such file or directory"},
        {{"log", "export", dir.path("junk.mlg"), dir.path("x.msl")}, 1, "not a binary log"},
        {{"log", "export", dir.path("junk.mlg"), dir.path("x.txt")}, 2, ".mlg, .msl or .csv"},
        {{"log", "info"}, 2, "usage: tarvel3ctl log"},
        {{"log", "list", "a"}, 2, "usage: tarvel3ctl log"},
        {{"monitor", "--port", "/dev/null", "--log"}, 2, "usage: tarvel3ctl monitor"},
    };
    for (const Case& c : cases) {
        const CtlResult r = runCtl(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[1];
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    }
}

}  // namespace
