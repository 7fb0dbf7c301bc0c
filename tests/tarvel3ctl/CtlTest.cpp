// tarvel3ctl defaults and normalise as a user runs them: bytes on standard
// output, messages on standard error, exit status.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "CtlRun.h"
#include "TempFolder.h"
#include "model/StartupImage.h"
#include "store/IgnFileWriter.h"

using namespace tarvel;
using namespace tarvel::ctl::test;

TEST(Tarvel3ctl, DefaultsWritesTheStartupFile)
{
    CtlResult run = runCtlLine("defaults");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, IgnFileText(StartupImage()));
    EXPECT_EQ(run.err, "");

    run = runCtlLine("defaults --bike 19");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, IgnFileText(StartupImage(19)));
    EXPECT_NE(run.out.find("SERVO_ENABLE    1"), std::string::npos);
}

TEST(Tarvel3ctl, NormaliseReadsOverTheStartupImage)
{
    TempFolder folder;
    writeFile(folder.path("in.ign"), "KORVANEX_KEY 48\r\nGAS 1\r\nN2O 1 90 50\r\nBIKE 23\r\nRPM_ADV 0 0\r\n");
    ParamImage expected = StartupImage();
    expected[fld::n2oEnable] = 1;
    expected[fld::gas1] = 50;  // gas 1 follows gas 2 down
    expected[fld::gas2] = 50;
    expected[fld::bikeCode] = 23;  // only the code: the file carries no preset
    for (int i = 0; i < 2; ++i)
        expected[fld::mapRpm + i] = static_cast<std::uint8_t>(i + 3);
    const CtlResult run = runCtlLine("normalise " + folder.path("in.ign"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, IgnFileText(expected));
    EXPECT_EQ(run.err, "");
}

TEST(Tarvel3ctl, Failures)
{
    TempFolder folder;
    writeFile(folder.path("old.ign"), "KORVANEX_KEY 47\r\nBASE_ADV 3");
    ::mkfifo(folder.path("fifo.ign").c_str(), 0644);  // used to stall the command
    struct Case {
        std::string args;
        int status;
        std::string err;  // exact, or "" for any usage text
    };
    const Case cases[] = {
        {"normalise " + folder.path("missing.ign"), 1,
         "Open file error!\n" + folder.path("missing.ign") + ": No such file or directory\n"},
        {"normalise " + folder.path(), 1, "Open file error!\n" + folder.path() + ": Is a directory\n"},
        {"normalise " + folder.path("fifo.ign"), 1, "Open file error!\n" + folder.path("fifo.ign") + ": not a regular file\n"},
        {"normalise " + folder.path("old.ign"), 1, "Unmatched version of *.ign file!\n"},
        {"normalise", 2, ""},
        {"normalise a b", 2, ""},
        {"defaults --bike", 2, ""},
        {"defaults --bike 256", 2, ""},
        {"defaults --bike x", 2, ""},
        {"defaults extra", 2, ""},
        {"nonsense", 2, ""},
    };
    for (const Case& c : cases) {
        const CtlResult run = runCtlLine(c.args);
        EXPECT_EQ(run.status, c.status) << c.args;
        EXPECT_EQ(run.out, "") << c.args;
        if (!c.err.empty())
            EXPECT_EQ(run.err, c.err) << c.args;
        else
            EXPECT_NE(run.err.find("usage"), std::string::npos) << c.args;
    }
}

TEST(Tarvel3ctl, HelpListsTheCommands)
{
    const CtlResult run = runCtlLine("--help");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("defaults [--bike CODE]"), std::string::npos);
    EXPECT_NE(run.out.find("normalise FILE"), std::string::npos);
}

TEST(Tarvel3ctl, FullStandardOutputIsAFailure)
{
    const std::string command = kCtl + " defaults >/dev/full 2>/dev/null";
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 1);
}

// Past a file size limit the write fails and is reported; the signal that
// comes with it used to end the command (status 153 from the shell).
TEST(Tarvel3ctl, FileSizeLimitIsAFailureNotASignal)
{
    TempFolder folder;
    const std::string command = "ulimit -f 1; exec " + kCtl + " defaults >" +
                                folder.path("out.ign") + " 2>" + folder.path("err");
    const int raw = std::system(("sh -c '" + command + "'").c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 1);
    EXPECT_NE(readFile(folder.path("err")).find("File too large"), std::string::npos) << readFile(folder.path("err"));
}
