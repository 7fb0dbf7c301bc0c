// The termios device against the simulated unit on a real pseudo-terminal,
// the simulator running in a thread of the test.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "LinkTestSupport.h"
#include "SimulatorOnPty.h"
#include "link/PosixSerialDevice.h"
#include "model/StartupImage.h"

using namespace tarvel;
using namespace tarvel::link;
using tarvel::link::test::statusText;
using namespace std::chrono_literals;

namespace {

// Polls until `done` or a generous deadline; never a fixed sleep.
template <class F>
bool waitFor(F done, std::chrono::milliseconds limit = 5s)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

}  // namespace

TEST(PseudoTerminal, RequestAndAnswerSurviveAReopen)
{
    SimulatorOnPty sim;
    ASSERT_TRUE(sim.start()) << sim.error();
    PosixSerialDevice dev;
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(dev.open(sim.path())) << dev.lastError();
        const LinkFrame request = LinkFrame::monitorRequest();
        ASSERT_TRUE(dev.write(request.bytes));
        ASSERT_TRUE(waitFor([&] { return dev.queued().value_or(0) >= kFrameSize; }));
        std::array<std::uint8_t, 200> buf{};
        ASSERT_EQ(dev.read(buf), static_cast<std::size_t>(kFrameSize));
        EXPECT_EQ(buf[0], kMonitorReply);
        EXPECT_TRUE(frameCheckGood(BlockView(buf.data(), kFrameSize)));
        dev.close();
    }
}

TEST(PseudoTerminal, SecondOpenIsRefused)
{
    SimulatorOnPty sim;
    ASSERT_TRUE(sim.start()) << sim.error();
    PosixSerialDevice first, second;
    ASSERT_TRUE(first.open(sim.path()));
    EXPECT_FALSE(second.open(sim.path()));
    first.close();
    EXPECT_TRUE(second.open(sim.path())) << second.lastError();
}

TEST(PseudoTerminal, HangUpClosesTheDeviceInsteadOfSpinning)
{
    auto sim = std::make_unique<SimulatorOnPty>();
    ASSERT_TRUE(sim->start()) << sim->error();
    const std::string path = sim->path();
    PosixSerialDevice dev;
    ASSERT_TRUE(dev.open(path));
    sim.reset();  // the far end goes away
    EXPECT_FALSE(dev.queued().has_value());
    EXPECT_FALSE(dev.isOpen());
    EXPECT_FALSE(dev.write(LinkFrame::monitorRequest().bytes));
    EXPECT_FALSE(dev.open(path));
}

TEST(PseudoTerminal, MissingDeviceFailsToOpenWithAReason)
{
    PosixSerialDevice dev;
    EXPECT_FALSE(dev.open("/dev/tarvel-no-such-port"));
    EXPECT_NE(dev.lastError().find("/dev/tarvel-no-such-port"), std::string::npos);
    EXPECT_FALSE(dev.open("/dev/null"));  // not a serial device
    EXPECT_FALSE(dev.isOpen());
}

TEST(PseudoTerminal, LinkProgramsTheSimulatorThroughTheTerminal)
{
    SimulatorOnPty sim;
    ASSERT_TRUE(sim.start()) << sim.error();
    ParamImage image = StartupImage();
    image.advance(2, 7) = 41;
    MessageTable messages;
    messages.loadAll(Language::English);
    test::RecordingHost host(image);
    DeviceLink link(image, host);
    link.ports().setOverride(1, sim.path());
    link.port().portIndex = 0;
    link.openPort();
    ASSERT_TRUE(link.port().isOpen());
    link.startProgram();
    // Ticks back to back: after a tick that sent a frame, the next waits for
    // the answer to be queued (bounded, for a loaded machine) instead of
    // sleeping 55 ms.
    for (int i = 0; i < 200 && link.transferMode() != TransferMode::Idle; ++i) {
        const int sent = host.framesSent;
        link.tick();
        if (host.framesSent != sent)
            waitFor([&] { return link.port().device().queued().value_or(0) >= kFrameSize; }, 2s);
    }
    EXPECT_EQ(statusText(link.status(), messages), "Program device:: OK");
    sim.halt();
    EXPECT_EQ(sim.unit().stored(), image);
}
