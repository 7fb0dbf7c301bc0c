// tarvel3ctl against `tarvel3ctl simulate` on a real pseudo-terminal: every
// fault switch, a simulator killed in the middle of an operation, a second
// client, and the loader message. Deadlines are generous and nothing waits a
// fixed time for the other side.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

#include "ChildProcess.h"
#include "CtlRun.h"
#include "FolderTest.h"
#include "SimulatorProcess.h"
#include "link/LoaderSocket.h"

using namespace tarvel::link;
using namespace tarvel::ctl::test;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

class CommandLineTest : public FolderTest {};

// CPU seconds a process has used so far.
double cpuSeconds(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string s((std::istreambuf_iterator<char>(in)), {});
    const auto close = s.rfind(')');
    std::istringstream rest(s.substr(close + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && rest >> field; ++i) {
        if (i == 14)
            utime = std::stol(field);
        if (i == 15)
            stime = std::stol(field);
    }
    return static_cast<double>(utime + stime) / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

}  // namespace

TEST_F(CommandLineTest, MonitorPrintsLiveLinesForTwoClientsInTurn)
{
    SimulatorProcess sim;
    ASSERT_FALSE(sim.path().empty());
    for (int client = 0; client < 2; ++client) {
        const CtlResult r = runCtl({"monitor", "--port", sim.path(), "--frames", "3"});
        EXPECT_EQ(r.status, 0) << r.err;
        int lines = 0;
        for (std::size_t at = 0; (at = r.out.find("RPM = ", at)) != std::string::npos; ++at)
            ++lines;
        EXPECT_EQ(lines, 3) << r.out;
    }
    // Nobody attached now: the simulator must sleep, not spin.
    const double before = cpuSeconds(sim.process().pid());
    std::this_thread::sleep_for(600ms);
    EXPECT_LT(cpuSeconds(sim.process().pid()) - before, 0.3);
}

TEST_F(CommandLineTest, ReadProgramAndVerifyRoundTrip)
{
    SimulatorProcess sim;
    ASSERT_FALSE(sim.path().empty());
    const std::string ign = file("unit.ign");
    CtlResult r = runCtl({"read", "--port", sim.path(), ign});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Read:"), std::string::npos);
    EXPECT_NE(r.out.find("Verify:: OK"), std::string::npos);
    ASSERT_TRUE(fs::exists(ign));

    r = runCtl({"program", "--port", sim.path(), ign});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Program device:: OK"), std::string::npos) << r.out;

    r = runCtl({"verify", "--port", sim.path(), ign});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Verify:: OK"), std::string::npos);
}

// A unit that goes on saving long after the programming: program stops
// waiting, but never with the status of success, and says why last. Before,
// it ended with 0 and "Saving:" as its last line.
TEST_F(CommandLineTest, ProgramNeverSaysSuccessWhileTheUnitStillSaves)
{
    SimulatorProcess sim({"--save-ms", "600000"});
    ASSERT_FALSE(sim.path().empty());
    const std::string ign = file("unit.ign");
    ASSERT_EQ(runCtl({"read", "--port", sim.path(), ign}).status, 0);

    const CtlResult r = runCtl({"program", "--port", sim.path(), ign});
    EXPECT_EQ(r.status, 3) << r.out << r.err;
    EXPECT_TRUE(r.out.ends_with("Saving:\n")) << r.out;
    const std::string last = "The unit has not reported the end of its saving: do not disconnect it until it has finished.\n";
    ASSERT_GE(r.err.size(), last.size()) << r.err;
    EXPECT_EQ(r.err.substr(r.err.size() - last.size()), last);
}

// A file size limit below the size of the file: the read is reported as
// failed with the reason, the command is not ended by the signal, and no
// temporary file is left.
TEST_F(CommandLineTest, ReadUnderAFileSizeLimitFailsCleanly)
{
    SimulatorProcess sim;
    ASSERT_FALSE(sim.path().empty());
    ChildProcess p({"/bin/sh", "-c", "ulimit -f 1; exec " + kCtl + " read --port " + sim.path() + " " + file("unit.ign")});
    const auto status = p.wait(kDeadline);
    ASSERT_TRUE(status);
    EXPECT_EQ(*status, 1) << p.err();
    EXPECT_NE(p.err().find("File too large"), std::string::npos) << p.err();
    EXPECT_TRUE(fs::is_empty(dir)) << "left behind in " << dir;
}

// read onto a FIFO or onto a link that leads nowhere: refused with the path
// and the reason, nothing blocks and nothing is created elsewhere.
TEST_F(CommandLineTest, ReadRefusesFifosAndDanglingLinks)
{
    SimulatorProcess sim;
    ASSERT_FALSE(sim.path().empty());
    ASSERT_EQ(::mkfifo(file("fifo.ign").c_str(), 0644), 0);
    fs::create_directory(dir / "elsewhere");
    fs::create_symlink(dir / "elsewhere" / "new.ign", dir / "dangling.ign");
    for (const char* name : {"fifo.ign", "dangling.ign"}) {
        const CtlResult r = runCtl({"read", "--port", sim.path(), file(name)});
        EXPECT_EQ(r.status, 1) << name << ": " << r.err;
        EXPECT_NE(r.err.find(file(name) + ": "), std::string::npos) << r.err;
    }
    EXPECT_TRUE(fs::is_fifo(dir / "fifo.ign"));
    EXPECT_TRUE(fs::is_empty(dir / "elsewhere"));
}

struct FaultCase {
    std::vector<std::string> switches;
    int status;
    const char* text;  // in standard output for success, in standard error for failure
};

void readWithFaults(const std::vector<FaultCase>& cases, const std::string& file)
{
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.switches[0]);
        SimulatorProcess sim(c.switches);
        ASSERT_FALSE(sim.path().empty());
        const CtlResult r = runCtl({"read", "--port", sim.path(), file});
        EXPECT_EQ(r.status, c.status) << r.out << r.err;
        EXPECT_NE((c.status == 0 ? r.out : r.err).find(c.text), std::string::npos) << r.out << r.err;
    }
}

TEST_F(CommandLineTest, MonitorOfAUnitOfAnotherFormatVersionWarns)
{
    SimulatorProcess sim({"--version", "47"});
    ASSERT_FALSE(sim.path().empty());
    const CtlResult r = runCtl({"monitor", "--port", sim.path(), "--frames", "1"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("RPM = "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Unmatched version of PC and Ignition programs!  PC-48, IGN-47"), std::string::npos) << r.out;
}

TEST_F(CommandLineTest, FaultSwitchesThatEndTheRead)
{
    readWithFaults({{{"--version", "47"}, 1, "Unmatched version of PC and Ignition programs!  PC-48, IGN-47"},
                    {{"--no-reading"}, 1, "No reading!"},
                    {{"--drop-every", "1"}, 1, "Read error!"}},
                   file("read.ign"));
}

TEST_F(CommandLineTest, FaultSwitchesTheReadSurvives)
{
    readWithFaults({{{"--drop-every", "3"}, 0, "Verify:: OK"},
                    {{"--corrupt-every", "2"}, 0, "Verify:: OK"},
                    {{"--noise"}, 0, "Verify:: OK"},
                    {{"--delay", "120"}, 0, "Verify:: OK"}},
                   file("read.ign"));
}

// The other commands under the switches that touch their own paths: the
// echo of a programmed page, the verification's resends, a noisy line
// under the monitor.
TEST_F(CommandLineTest, FaultSwitchesUnderProgramVerifyAndMonitor)
{
    const std::string ign = file("unit.ign");
    {
        SimulatorProcess sim;
        ASSERT_FALSE(sim.path().empty());
        ASSERT_EQ(runCtl({"read", "--port", sim.path(), ign}).status, 0);
    }
    struct Case {
        std::vector<std::string> switches;
        std::vector<std::string> command;
        int status;
        const char* text;  // in standard output for success, in standard error for failure
    };
    const Case cases[] = {
        {{"--version", "47"}, {"program"}, 1, "Unmatched version of PC and Ignition programs!  PC-48, IGN-47"},
        {{"--corrupt-every", "2"}, {"program"}, 0, "Program device:: OK"},
        {{"--drop-every", "2"}, {"verify"}, 0, "Verify:: OK"},
        {{"--drop-every", "1"}, {"verify"}, 1, "Verify error!"},
        {{"--noise"}, {"monitor", "--frames", "3"}, 0, "RPM = "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command[0] + " " + c.switches[0]);
        SimulatorProcess sim(c.switches);
        ASSERT_FALSE(sim.path().empty());
        std::vector<std::string> args = c.command;
        args.insert(args.begin() + 1, {"--port", sim.path()});
        if (c.command[0] != "monitor")
            args.push_back(ign);
        const CtlResult r = runCtl(args);
        EXPECT_EQ(r.status, c.status) << r.out << r.err;
        EXPECT_NE((c.status == 0 ? r.out : r.err).find(c.text), std::string::npos) << r.out << r.err;
    }
}

TEST_F(CommandLineTest, SimulatorKilledMidOperationGivesTheErrorText)
{
    auto sim = std::make_unique<SimulatorProcess>(std::vector<std::string>{"--delay", "150"});
    ASSERT_FALSE(sim->path().empty());
    ChildProcess read({kCtl, "read", "--port", sim->path(), file("killed.ign")});
    ASSERT_TRUE(read.waitForOutput("Read:", kDeadline));
    sim->process().signal(SIGKILL);
    const auto status = read.wait(kDeadline);
    ASSERT_TRUE(status) << "read hung after the unit went away";
    EXPECT_EQ(*status, 1);
    EXPECT_NE(read.err().find("error!"), std::string::npos) << read.out() << read.err();
    EXPECT_FALSE(fs::exists(file("killed.ign")));
}

// The unit goes away while the command still depends on it: after a program
// while it is storing the pages, and under a monitor that runs until stopped.
// Neither may end as if all went well.
TEST_F(CommandLineTest, UnitLostAfterTheOperationIsReportedAsFailure)
{
    const std::string ign = file("defaults.ign");
    {
        const CtlResult defaults = runCtl({"defaults"});
        ASSERT_EQ(defaults.status, 0);
        std::ofstream(ign) << defaults.out;
    }
    {
        // A saving that outlasts the test: on a loaded machine the unit could
        // otherwise finish its 1.5 s before the kill, and the program rightly succeed.
        auto sim = std::make_unique<SimulatorProcess>(std::vector<std::string>{"--save-ms", "600000"});
        ASSERT_FALSE(sim->path().empty());
        ChildProcess program({kCtl, "program", "--port", sim->path(), ign});
        ASSERT_TRUE(program.waitForOutput("Saving:", kDeadline)) << program.out() << program.err();
        sim->process().signal(SIGKILL);
        const auto status = program.wait(kDeadline);
        ASSERT_TRUE(status) << "program hung after the unit went away";
        EXPECT_EQ(*status, 1) << program.out();
        EXPECT_NE(program.err().find("No connection with PC"), std::string::npos) << program.err();
    }
    {
        auto sim = std::make_unique<SimulatorProcess>();
        ASSERT_FALSE(sim->path().empty());
        ChildProcess monitor({kCtl, "monitor", "--port", sim->path()});
        ASSERT_TRUE(monitor.waitForOutput("RPM = ", kDeadline));
        sim->process().signal(SIGKILL);
        const auto status = monitor.wait(kDeadline);
        ASSERT_TRUE(status) << "monitor hung after the unit went away";
        EXPECT_EQ(*status, 1);
        EXPECT_NE(monitor.err().find("No connection with PC"), std::string::npos) << monitor.err();
    }
}

TEST_F(CommandLineTest, PortsThatDoNotOpenAndUsageErrors)
{
    CtlResult r = runCtl({"read", "--port", "/dev/tarvel-no-such-port", file("x.ign")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Com opening error!"), std::string::npos);
    EXPECT_NE(r.err.find("/dev/tarvel-no-such-port: No such file or directory"), std::string::npos) << r.err;
    EXPECT_EQ(runCtl({"monitor", "--port", "/dev/null", "--frames", "1"}).status, 1);
    EXPECT_EQ(runCtl({"read", file("x.ign")}).status, 2);
    EXPECT_EQ(runCtl({"monitor", "--port", "COM3", "--frames", "0"}).status, 2);
    EXPECT_EQ(runCtl({"simulate", "--drop-every", "x"}).status, 2);
    EXPECT_EQ(runCtl({"loader-message", "3"}).status, 2);
}

TEST_F(CommandLineTest, LoaderMessageReachesTheListener)
{
    const fs::path socket = dir / "tarvel3-loader";
    CtlResult r = runCtl({"loader-message", "3", "0x7FFFFFA2", "--socket", socket.string()});
    EXPECT_EQ(r.status, 1);  // nobody listens yet

    LoaderListener listener;
    ASSERT_TRUE(listener.listen(socket)) << listener.error();
    r = runCtl({"loader-message", "3", "0x7FFFFFA2", "--socket", socket.string()});
    EXPECT_EQ(r.status, 0) << r.err;
    const auto m = listener.receive();
    ASSERT_TRUE(m);
    EXPECT_EQ(m->wparam, 3);
    EXPECT_EQ(m->lparam, kLoaderResetRelease);
}
