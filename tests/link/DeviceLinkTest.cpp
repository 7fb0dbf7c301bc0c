// The link's tick against the simulated unit in the same process and against
// a scripted device: operations, resends, errors, the watchdog, the port scan
// and the firmware-loader hand-over.
#include <gtest/gtest.h>

#include "LinkTestSupport.h"
#include "model/StartupImage.h"

using namespace tarvel;
using namespace tarvel::link;
using namespace tarvel::link::test;

namespace {

class DeviceLinkTest : public ::testing::Test {
protected:
    explicit DeviceLinkTest(SimulatedUnitOptions options = {}) : image(StartupImage()), host(image)
    {
        messages.loadAll(Language::English);
        auto dev = std::make_unique<SimulatedUnitDevice>(options);
        device = dev.get();
        link = std::make_unique<DeviceLink>(image, host, std::move(dev));
        link->openPort();
    }

    // One 55 ms tick; returns the page commands sent in it (monitor requests left out).
    std::vector<std::uint8_t> tick()
    {
        const std::size_t before = device->commandsSent().size();
        device->nowMs += 55;
        link->tick();
        std::vector<std::uint8_t> sent;
        for (std::size_t i = before; i < device->commandsSent().size(); ++i)
            if (device->commandsSent()[i] != kMonitorRequest)
                sent.push_back(device->commandsSent()[i]);
        return sent;
    }

    // Ticks until the operation is over; returns every page command sent.
    std::vector<std::uint8_t> runToIdle(int maxTicks = 200)
    {
        std::vector<std::uint8_t> all;
        for (int i = 0; i < maxTicks && link->transferMode() != TransferMode::Idle; ++i)
            for (auto c : tick())
                all.push_back(c);
        EXPECT_EQ(link->transferMode(), TransferMode::Idle);
        return all;
    }

    void settle(int ticks = 12)
    {
        for (int i = 0; i < ticks; ++i)
            tick();
    }

    ParamImage image;
    MessageTable messages;
    RecordingHost host;
    SimulatedUnitDevice* device = nullptr;
    std::unique_ptr<DeviceLink> link;
};

using Commands = std::vector<std::uint8_t>;

}  // namespace

TEST_F(DeviceLinkTest, CleanProgramSendsFivePagesInFiveConsecutiveTicksThenShowsOk)
{
    settle();
    image.advance(3, 4) = 33;
    link->startProgram();
    EXPECT_EQ(statusText(link->status(), messages), "Program device:");
    EXPECT_TRUE(link->status().labelVisible());
    EXPECT_TRUE(link->status().gaugeVisible());

    int ticksToFirst = 0;
    Commands first;
    while (first.empty() && ticksToFirst < 10) {
        first = tick();
        ++ticksToFirst;
    }
    EXPECT_GE(ticksToFirst, 1);
    EXPECT_LE(ticksToFirst, 4);
    EXPECT_EQ(first, Commands{0x00});
    for (std::uint8_t want : {0x01, 0x02, 0x41, 0x42})
        EXPECT_EQ(tick(), Commands{want});
    tick();
    EXPECT_EQ(link->transferMode(), TransferMode::Idle);
    EXPECT_EQ(statusText(link->status(), messages), "Program device:: OK");
    EXPECT_EQ(link->status().gaugeProgress(), link->status().gaugeMax());
    EXPECT_EQ(device->unit().stored(), image);
    EXPECT_EQ(link->identTexts().firmware, "ZEV07");
}

TEST_F(DeviceLinkTest, ProgramShowsSavingThenOkUntilTheCountdownEnds)
{
    link->startProgram();
    runToIdle();
    bool sawSaving = false;
    for (int i = 0; i < 60; ++i) {
        tick();
        if (statusText(link->status(), messages) == "Saving:") {
            sawSaving = true;
            EXPECT_EQ(link->status().gaugeMax(), 100);
        }
    }
    EXPECT_TRUE(sawSaving);
    EXPECT_EQ(statusText(link->status(), messages), "Program device:: OK");
    EXPECT_EQ(link->status().gaugeMax(), 2);
    EXPECT_TRUE(link->engine().okPending());
    for (int i = 0; i < 210 && link->status().labelVisible(); ++i)
        tick();
    EXPECT_FALSE(link->status().labelVisible());
    EXPECT_FALSE(link->status().gaugeVisible());
    EXPECT_FALSE(link->engine().okPending());
    EXPECT_GE(device->unit().programCount(), 1);
}

TEST_F(DeviceLinkTest, ReadFillsTheImageAndEndsWithAVerification)
{
    ParamImage unitImage = StartupImage();
    unitImage.advance(0, 0) = 21;
    unitImage[fld::limiter] = 110;
    unitImage[fld::reserved14] = 7;  // carried through untouched
    device->unit().stored() = unitImage;
    settle();
    link->startRead();
    EXPECT_EQ(statusText(link->status(), messages), "Read:");
    const Commands sent = runToIdle();
    EXPECT_EQ(sent, (Commands{0x40, 0x41, 0x42, 0x41, 0x42}));
    EXPECT_EQ(statusText(link->status(), messages), "Verify:: OK");
    EXPECT_EQ(link->status().colour(), LinkColour::Normal);
    EXPECT_EQ(image, unitImage);
    EXPECT_GE(host.shows, 1);
}

TEST_F(DeviceLinkTest, ReadIntoATargetUsesTheReadFramesAndLeavesTheWindowsImage)
{
    ParamImage unitImage = StartupImage();
    unitImage.advance(0, 0) = 21;
    unitImage[fld::reserved14] = 7;
    device->unit().stored() = unitImage;
    image.advance(0, 0) = 5;
    const ParamImage before = image;
    settle();
    const int shows = host.shows;
    ParamImage target{};
    link->startReadInto(target);
    EXPECT_EQ(link->engine().readIntoResult(), TransferEngine::ReadIntoResult::Running);
    EXPECT_EQ(statusText(link->status(), messages), "Read:");
    EXPECT_EQ(runToIdle(), (Commands{0x40, 0x41, 0x42, 0x41, 0x42}));
    EXPECT_EQ(statusText(link->status(), messages), "Verify:: OK");
    EXPECT_EQ(link->engine().readIntoResult(), TransferEngine::ReadIntoResult::Done);
    EXPECT_EQ(target, unitImage);
    EXPECT_EQ(image, before);
    EXPECT_EQ(host.shows, shows);

    // A plain Read afterwards fills the window's image again.
    link->startRead();
    runToIdle();
    EXPECT_EQ(image, unitImage);
}

TEST_F(DeviceLinkTest, ReadIntoATargetResendsAndFailsLikeRead)
{
    SimulatedUnitOptions o;
    o.corruptEvery = 2;
    device->unit() = SimulatedUnit(o);
    device->unit().stored() = StartupImage();
    device->unit().stored().advance(5, 5) = 44;
    const ParamImage before = image;
    ParamImage target{};
    link->startReadInto(target);
    runToIdle();
    EXPECT_EQ(link->engine().readIntoResult(), TransferEngine::ReadIntoResult::Done);
    EXPECT_EQ(target.advance(5, 5), 44);

    device->unplugged = true;
    link->startReadInto(target);
    runToIdle();
    EXPECT_EQ(statusText(link->status(), messages), "Read error!");
    EXPECT_EQ(link->engine().readIntoResult(), TransferEngine::ReadIntoResult::Failed);
    EXPECT_EQ(image, before);
}

TEST_F(DeviceLinkTest, VerifyIgnoresNoReadingButNotOtherBytes)
{
    device->unit().stored() = image;
    device->unit().stored()[fld::noReading] = 1;
    link->startVerify();
    EXPECT_EQ(runToIdle(), (Commands{0x41, 0x42}));
    EXPECT_EQ(statusText(link->status(), messages), "Verify:: OK");

    device->unit().stored().advance(9, 9) ^= 1;
    link->startVerify();
    const Commands sent = runToIdle();
    EXPECT_EQ(sent, (Commands{0x41, 0x42, 0x42, 0x42, 0x42, 0x42}));
    EXPECT_EQ(statusText(link->status(), messages), "Verify error!");
    EXPECT_EQ(link->status().colour(), LinkColour::Red);
}

TEST_F(DeviceLinkTest, SilentUnitGivesReadErrorAfterFiveSends)
{
    device->unplugged = true;
    link->startRead();
    Commands sent;
    int ticksAfterLast = 0;
    for (int i = 0; i < 100 && link->transferMode() != TransferMode::Idle; ++i) {
        const Commands c = tick();
        sent.insert(sent.end(), c.begin(), c.end());
        ticksAfterLast = c.empty() ? ticksAfterLast + 1 : 0;
    }
    EXPECT_EQ(sent, Commands(5, 0x40));
    EXPECT_EQ(ticksAfterLast, 4);  // the fifth send went unanswered for 4 ticks
    EXPECT_EQ(statusText(link->status(), messages), "Read error!");
    EXPECT_EQ(link->status().colour(), LinkColour::Red);
    EXPECT_EQ(link->status().messageTicks, kMessageTicks - 1);
}

TEST_F(DeviceLinkTest, FailedProgramAfterASuccessfulOneShowsTheError)
{
    link->startProgram();
    runToIdle();
    tick();
    ASSERT_EQ(statusText(link->status(), messages), "Program device:: OK");
    device->unplugged = true;
    link->startProgram();
    runToIdle();
    settle(3);
    EXPECT_EQ(statusText(link->status(), messages), "Program error!");
    EXPECT_EQ(link->status().colour(), LinkColour::Red);
}

// After a good program the idle step keeps writing "Program device:: OK"
// until the countdown ends; whatever fails next must not be painted over.
TEST_F(DeviceLinkTest, ProgramOkGivesWayToALaterFailure)
{
    struct Case {
        const char* name;
        void (DeviceLink::*start)();
        const char* error;
    };
    const Case cases[] = {
        {"read", &DeviceLink::startRead, "Read error!"},
        {"verify", &DeviceLink::startVerify, "Verify error!"},
        {"program", &DeviceLink::startProgram, "Program error!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        device->unplugged = false;
        link->startProgram();
        runToIdle();
        tick();
        ASSERT_EQ(statusText(link->status(), messages), "Program device:: OK");
        ASSERT_TRUE(link->engine().okPending());

        device->unplugged = true;
        ((*link).*c.start)();
        runToIdle();
        EXPECT_FALSE(link->engine().okPending());
        settle(3);
        EXPECT_EQ(statusText(link->status(), messages), c.error);
        EXPECT_EQ(link->status().colour(), LinkColour::Red);
    }
}

TEST_F(DeviceLinkTest, DamagedRepliesAreFetchedAgain)
{
    // Every second answer has a flipped bit; the operation still ends well
    // and nothing damaged reaches the image.
    SimulatedUnitOptions o;
    o.corruptEvery = 2;
    device->unit() = SimulatedUnit(o);
    ParamImage unitImage = StartupImage();
    unitImage.advance(5, 5) = 44;
    device->unit().stored() = unitImage;
    link->startRead();
    runToIdle();
    EXPECT_EQ(statusText(link->status(), messages), "Verify:: OK");
    EXPECT_EQ(image, unitImage);
}

class NoReadingUnit : public DeviceLinkTest {
protected:
    NoReadingUnit() : DeviceLinkTest(SimulatedUnitOptions{.readingPermitted = false}) {}
};

TEST_F(NoReadingUnit, ReadStopsAtPageZeroWhileProgramWorks)
{
    const ParamImage before = image;
    device->unit().stored().advance(1, 1) = 50;
    link->startRead();
    EXPECT_EQ(runToIdle(), Commands{0x40});
    EXPECT_EQ(statusText(link->status(), messages), "No reading!");
    EXPECT_EQ(link->status().colour(), LinkColour::Red);
    EXPECT_EQ(image, before);

    link->startProgram();
    runToIdle();
    EXPECT_EQ(statusText(link->status(), messages), "Program device:: OK");
}

TEST_F(NoReadingUnit, ReadIntoATargetStopsAtPageZeroWithoutShowingTheImage)
{
    const int shows = host.shows;
    ParamImage target = StartupImage();
    const ParamImage targetBefore = target;
    link->startReadInto(target);
    EXPECT_EQ(runToIdle(), Commands{0x40});
    EXPECT_EQ(statusText(link->status(), messages), "No reading!");
    EXPECT_EQ(link->engine().readIntoResult(), TransferEngine::ReadIntoResult::Failed);
    EXPECT_EQ(target, targetBefore);
    EXPECT_EQ(host.shows, shows);
}

class OldUnit : public DeviceLinkTest {
protected:
    OldUnit() : DeviceLinkTest(SimulatedUnitOptions{.formatVersion = 47}) {}
};

TEST_F(OldUnit, VersionMismatchStopsEveryOperationAtPageZero)
{
    // Ticks go on inside the box: the engine must already be idle there.
    int nestedTicks = 0;
    host.insideBox = [&] {
        EXPECT_EQ(link->transferMode(), TransferMode::Idle);
        for (int i = 0; i < 3; ++i, ++nestedTicks)
            tick();
    };
    const std::string text = "Unmatched version of PC and Ignition programs!  PC-48, IGN-47";

    link->startProgram();
    EXPECT_EQ(runToIdle(), Commands{0x00});
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0], text);
    EXPECT_EQ(link->status().messageTicks, 0);
    EXPECT_EQ(nestedTicks, 3);
    tick();
    EXPECT_FALSE(link->status().labelVisible());

    link->startRead();
    EXPECT_EQ(runToIdle(), Commands{0x40});
    EXPECT_EQ(host.boxes.size(), 2u);

    link->loaderMessage(link->port().portNumber(), kLoaderResetRelease);
    runToIdle();
    EXPECT_EQ(host.boxes.size(), 3u);
    EXPECT_TRUE(link->port().attached());
    EXPECT_FALSE(link->releaseNote());
}

TEST_F(DeviceLinkTest, ResetReleaseHandsThePortToTheLoaderAndTakesItBack)
{
    settle();
    const int port = link->port().portNumber();  // COM2 by default
    EXPECT_EQ(port, 2);
    link->loaderMessage(port + 1, kLoaderResetRelease);  // another port: ignored
    EXPECT_EQ(link->transferMode(), TransferMode::Idle);

    device->clearCommandsSent();
    link->loaderMessage(port, kLoaderResetRelease);
    EXPECT_EQ(tick(), Commands{0x00});  // the reset frame goes out at once
    tick();
    EXPECT_EQ(link->transferMode(), TransferMode::Idle);
    EXPECT_FALSE(link->port().attached());
    EXPECT_FALSE(link->port().isOpen());
    EXPECT_TRUE(link->releaseNote());
    EXPECT_EQ(host.releaseNotes, std::vector<bool>{true});

    // Detached: nothing is sent and the watchdog does not count.
    const auto silence = link->linkSilence();
    device->clearCommandsSent();
    settle(100);
    EXPECT_TRUE(device->commandsSent().empty());
    EXPECT_EQ(link->linkSilence(), silence);

    link->loaderMessage(port, kLoaderGiveBack);
    EXPECT_TRUE(link->port().attached());
    EXPECT_TRUE(link->port().isOpen());
    EXPECT_FALSE(link->releaseNote());
    EXPECT_EQ(host.captions, 1);
}

TEST_F(DeviceLinkTest, ResetWithoutAnswerGivesUpAfterTwoSends)
{
    device->unplugged = true;
    link->loaderMessage(2, kLoaderResetRelease);
    const Commands sent = runToIdle();
    EXPECT_EQ(sent, (Commands{0x00, 0x00}));
    EXPECT_EQ(statusText(link->status(), messages), "Reset error");
    EXPECT_EQ(link->status().colour(), LinkColour::Red);
    EXPECT_FALSE(link->port().attached());
    EXPECT_TRUE(link->releaseNote());
}

TEST_F(DeviceLinkTest, LoaderMessageInAutomaticSelectionNamesThePortTried)
{
    link->port().scanIndex = 4;
    link->choosePort(kAutoPortIndex);
    EXPECT_EQ(host.labels.back(), "COM= COM5");
    link->loaderMessage(21, kLoaderRelease);
    EXPECT_EQ(link->transferMode(), TransferMode::Idle);
    link->loaderMessage(5, kLoaderRelease);
    EXPECT_EQ(link->transferMode(), TransferMode::ResetRelease);
}

TEST_F(DeviceLinkTest, WatchdogShowsTheLabelOnThe31stSilentTickAndReopensEvery30)
{
    device->unplugged = true;
    const int opensAtStart = device->opens;
    std::vector<int> reopenTicks;
    int labelTick = 0;
    for (int t = 1; t <= 125; ++t) {
        const int opens = device->opens;
        tick();
        if (!labelTick && link->connectionLost())
            labelTick = t;
        if (device->opens != opens)
            reopenTicks.push_back(t);
    }
    EXPECT_EQ(opensAtStart, 1);
    EXPECT_EQ(labelTick, 31);
    EXPECT_EQ(reopenTicks, (std::vector<int>{60, 90, 120}));
    EXPECT_TRUE(host.boxes.empty());

    // Frames arrive again: the label goes with the first of them, and
    // reconnectTicks keeps what it had counted.
    device->unplugged = false;
    for (int i = 0; i < 12 && link->connectionLost(); ++i)
        tick();
    EXPECT_FALSE(link->connectionLost());
    EXPECT_LT(link->linkSilence(), 48);
    const int kept = link->reconnectTicks();
    EXPECT_GT(kept, 0);
    settle(40);
    EXPECT_EQ(link->reconnectTicks(), kept);

    // So in the next silence the first reopen comes sooner than 30 ticks
    // after the label.
    device->unplugged = true;
    int t = 0;
    while (!link->connectionLost() && t < 100) {
        tick();
        ++t;
    }
    ASSERT_TRUE(link->connectionLost());
    const int opens = device->opens;
    int ticksToReopen = 1;  // the label's tick already counted one
    while (device->opens == opens && ticksToReopen < 100) {
        tick();
        ++ticksToReopen;
    }
    EXPECT_EQ(ticksToReopen, 30 - kept);
}

namespace {

// The link over a device whose received bytes the test scripts; nothing is
// opened until the test asks.
class ScriptedLinkTest : public ::testing::Test {
protected:
    ScriptedLinkTest() : image(StartupImage()), host(image)
    {
        auto dev = std::make_unique<ScriptedDevice>();
        device = dev.get();
        link = std::make_unique<DeviceLink>(image, host, std::move(dev));
    }

    ParamImage image;
    RecordingHost host;
    ScriptedDevice* device = nullptr;
    std::unique_ptr<DeviceLink> link;
};

using DeviceLinkPorts = ScriptedLinkTest;
using DeviceLinkPoll = ScriptedLinkTest;

}  // namespace

TEST_F(DeviceLinkPorts, FixedPortFailureShowsOneBoxThenRetriesSilently)
{
    device->openWorks = false;
    link->choosePort(2);
    EXPECT_EQ(host.boxes, std::vector<std::string>{"Com opening error!"});
    EXPECT_EQ(host.details, std::vector<std::string>{"/dev/ttyS2: No such device"});  // the device's own reason
    EXPECT_EQ(link->portLabel(), "COM= COM3");
    EXPECT_EQ(device->opened.back(), "/dev/ttyS2");
    EXPECT_EQ(host.checked.back(), 2);
    for (int i = 0; i < 200; ++i)
        link->tick();
    EXPECT_EQ(host.boxes.size(), 1u);
    EXPECT_GT(device->opened.size(), 5u);
    EXPECT_EQ(link->portLabel(), "COM= COM3");  // a fixed port stays chosen
}

TEST_F(DeviceLinkPorts, AutomaticScanSkipsMissingPortsOneTickEachAndWraps)
{
    device->openWorks = false;
    link->ports().setOverride(1, "/dev/custom-com1");
    link->port().scanIndex = 18;
    link->choosePort(kAutoPortIndex);
    for (int i = 0; i < 30; ++i)  // no move before the link counts as silent
        link->tick();
    EXPECT_EQ(device->opened.size(), 1u);
    for (int i = 0; i < 3; ++i)
        link->tick();
    EXPECT_EQ(device->opened,
              (std::vector<std::string>{"/dev/ttyACM6", "/dev/ttyACM7", "/dev/custom-com1", "/dev/ttyS1"}));
    EXPECT_EQ(host.labels, (std::vector<std::string>{"COM= COM19", "COM= COM20", "COM= COM1", "COM= COM2"}));
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(host.checked.back(), kAutoPortIndex);
}

TEST_F(DeviceLinkPoll, OnlyWholeFramesAreTakenAndOnlyTheFirstIsExamined)
{
    link->openPort();

    SimulatedUnit unit;
    const LinkFrame a = unit.monitorFrame(1000);
    const LinkFrame b = unit.monitorFrame(6000);
    device->push(std::span(a.bytes).first(101));
    link->tick();
    EXPECT_EQ(device->rx.size(), 101u);
    EXPECT_EQ(link->liveValues().liveRpm, 0);
    device->push(std::span(a.bytes).last(1));
    device->push(b.bytes);
    link->tick();
    EXPECT_TRUE(device->rx.empty());
    EXPECT_EQ(link->liveValues().liveRpm, u16At(a.bytes, mon::rpm));
    EXPECT_EQ(link->linkSilence(), 1);

    // A monitor frame is decoded during an operation too.
    link->startRead();
    device->push(b.bytes);
    link->tick();
    EXPECT_EQ(link->liveValues().liveRpm, u16At(b.bytes, mon::rpm));
}

// A fresh simulated unit holds the start-up image as the program programs it:
// programming reads the controls first, so the unused channels' lobe numbers
// are 1, not the 0 the start-up image has. Verifying what the controls show
// (the image after ReadControls) must pass on a fresh unit.
TEST(SimulatedUnitPages, HoldTheStartUpImageWithinTheControlRanges)
{
    SimulatedUnit unit;
    ParamImage expected = StartupImage();
    for (int c = 2; c < 4; ++c) {
        EXPECT_EQ(expected[fld::maxAdvLobe + c], 0);
        expected[fld::maxAdvLobe + c] = 1;
        expected[fld::startAdvLobe + c] = 1;
    }
    EXPECT_EQ(unit.stored(), expected);
}
