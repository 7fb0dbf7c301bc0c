// tarvel3ctl diff on two files: the report lines, the summary and the exit
// status diff(1) users expect.
#include <gtest/gtest.h>

#include <string>

#include "CtlRun.h"
#include "TempFolder.h"
#include "model/StartupImage.h"
#include "store/IgnFileWriter.h"

using namespace tarvel;
using namespace tarvel::ctl::test;

TEST(Tarvel3ctlDiff, PrintsOneLinePerFieldAndASummary)
{
    TempFolder folder;
    ParamImage a = StartupImage();
    a[fld::limiter] = 100;
    ParamImage b = a;
    b[fld::limiter] = 115;
    b.advance(9, 0) = static_cast<std::uint8_t>(a.advance(9, 0) + 2);
    b[fld::servoRpm + 9] = static_cast<std::uint8_t>(a[fld::servoRpm + 9] + 1);
    b[fld::closingActive] ^= 0x20;
    writeFile(folder.path("a.ign"), IgnFileText(a));
    writeFile(folder.path("b.ign"), IgnFileText(b));

    const CtlResult run = runCtlLine("diff " + folder.path("a.ign") + " " + folder.path("b.ign"));
    EXPECT_EQ(run.status, 1);
    const std::string expected =
        "limiter  10000  11500\n"
        "closingActive.bit5  " +
        std::to_string(a[fld::closingActive] >> 5 & 1) + "  " + std::to_string(b[fld::closingActive] >> 5 & 1) +
        "\n"
        "SERVO_RPM[10]  " +
        std::to_string(a[fld::servoRpm + 9] * 100) + "  " + std::to_string(b[fld::servoRpm + 9] * 100) +
        "\n"
        "ADVANCE[10,1]  " +
        std::to_string(a.advance(9, 0)) + "  " + std::to_string(b.advance(9, 0)) +
        "\n"
        "4 fields differ\n";
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(run.err, "");

    // The other way round swaps the columns.
    const CtlResult back = runCtlLine("diff " + folder.path("b.ign") + " " + folder.path("a.ign"));
    EXPECT_EQ(back.status, 1);
    EXPECT_EQ(back.out.substr(0, back.out.find('\n')), "limiter  11500  10000");
}

TEST(Tarvel3ctlDiff, EqualAfterNormalisationIsEqual)
{
    TempFolder folder;
    writeFile(folder.path("a.ign"), IgnFileText(StartupImage()));
    // Hand-edited: other spacing, only the blocks that matter, and a gas 1
    // above gas 2 that the window pulls down to gas 2 as well.
    ParamImage b = StartupImage();
    writeFile(folder.path("b.ign"), IgnFileText(b) + "\nN2O " + std::to_string(b[fld::n2oEnable]) + " 90 " +
                                        std::to_string(b[fld::gas2]) + " " + std::to_string(b[fld::gasDelay] * 100) +
                                        " " + std::to_string(b[fld::gasBuildUp] * 100));
    ParamImage c = StartupImage();
    c[fld::gas1] = c[fld::gas2];
    writeFile(folder.path("c.ign"), IgnFileText(c));
    const CtlResult run = runCtlLine("diff " + folder.path("c.ign") + " " + folder.path("b.ign"));
    EXPECT_EQ(run.out, "no fields differ\n");
    EXPECT_EQ(run.status, 0);
}

TEST(Tarvel3ctlDiff, TroubleIsStatusTwo)
{
    TempFolder folder;
    writeFile(folder.path("a.ign"), IgnFileText(StartupImage()));
    writeFile(folder.path("old.ign"), "KORVANEX_KEY 47\r\n");
    std::filesystem::create_directory(folder.path("dir.ign"));
    const std::string a = folder.path("a.ign");
    struct Case {
        std::string args;
        std::string err;
    };
    const Case cases[] = {
        {a + " " + folder.path("missing.ign"), folder.path("missing.ign") + ": Open file error!\n"},
        {folder.path("old.ign") + " " + a, folder.path("old.ign") + ": Unmatched version of *.ign file!\n"},
        {a + " " + folder.path("dir.ign"), folder.path("dir.ign") + ": Open file error!\n"},
        {a, "usage: tarvel3ctl diff A B   (A and B: FILE or --port PORT)\n"},
        {a + " " + a + " " + a, "usage: tarvel3ctl diff A B   (A and B: FILE or --port PORT)\n"},
        {a + " --port", "usage: tarvel3ctl diff A B   (A and B: FILE or --port PORT)\n"},
        {a + " -x", "usage: tarvel3ctl diff A B   (A and B: FILE or --port PORT)\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        const CtlResult run = runCtlLine("diff " + c.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, c.err);
    }
}
