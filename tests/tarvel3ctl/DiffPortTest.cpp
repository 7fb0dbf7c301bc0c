// tarvel3ctl diff with --port against `tarvel3ctl simulate` on a real
// pseudo-terminal: the unit's pages read as Read reads them, the report on
// standard output only, and status 2 when the unit cannot be read.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "ChildProcess.h"
#include "CtlRun.h"
#include "FolderTest.h"
#include "SimulatorProcess.h"

using namespace tarvel::ctl::test;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

class DiffPortTest : public FolderTest {};

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The file with the first number after `keyword` replaced.
void replaceFirstNumber(const std::string& from, const std::string& to, const std::string& keyword,
                        const std::string& number)
{
    std::string text = readAll(from);
    const auto at = text.find_first_of("0123456789", text.find(keyword + " "));
    const auto end = text.find(' ', at);
    text.replace(at, end - at, number);
    std::ofstream(to, std::ios::binary) << text;
}

}  // namespace

TEST_F(DiffPortTest, UnitAgainstFileGivesTheReportOnStandardOutput)
{
    SimulatorProcess sim;
    ASSERT_FALSE(sim.path().empty());
    const std::string unit = file("unit.ign");
    ASSERT_EQ(runCtl({"read", "--port", sim.path(), unit}).status, 0);

    CtlResult r = runCtl({"diff", "--port", sim.path(), unit});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "no fields differ\n");
    EXPECT_NE(r.err.find("Verify:: OK"), std::string::npos) << r.err;  // progress kept off the report

    replaceFirstNumber(unit, file("edited.ign"), "BASE_ADV", "7");
    r = runCtl({"diff", file("edited.ign"), "--port", sim.path()});
    EXPECT_EQ(r.status, 1) << r.err;
    const std::string first = r.out.substr(0, r.out.find('\n'));
    EXPECT_TRUE(first.starts_with("BASE_ADV  7  ")) << r.out;
    EXPECT_TRUE(r.out.ends_with("\n1 field differs\n")) << r.out;
}

TEST_F(DiffPortTest, DamagedFramesAreFetchedAgain)
{
    SimulatorProcess plain;
    ASSERT_FALSE(plain.path().empty());
    const std::string unit = file("unit.ign");
    ASSERT_EQ(runCtl({"read", "--port", plain.path(), unit}).status, 0);
    SimulatorProcess sim({"--corrupt-every", "3"});
    ASSERT_FALSE(sim.path().empty());
    const CtlResult r = runCtl({"diff", unit, "--port", sim.path()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "no fields differ\n");
}

TEST_F(DiffPortTest, AUnitThatCannotBeReadIsStatusTwo)
{
    SimulatorProcess noReading({"--no-reading"});
    SimulatorProcess old({"--version", "47"});
    ASSERT_FALSE(noReading.path().empty());
    ASSERT_FALSE(old.path().empty());
    const std::string unit = file("unit.ign");
    std::ofstream(unit) << "KORVANEX_KEY 48\r\n";
    struct Case {
        std::string port;
        const char* err;
    };
    const Case cases[] = {
        {noReading.path(), "No reading!"},
        {old.path(), "PC-48, IGN-47"},
        {file("no-such-port"), "Com opening error!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.port);
        const CtlResult r = runCtl({"diff", "--port", c.port, unit});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    }
}
