// Every failed open, write or socket call of the link reports its reason
// (errno's text and the path) through the core's log sink.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <unistd.h>

#include "LogCapture.h"
#include "link/LoaderSocket.h"
#include "link/PosixSerialDevice.h"
#include "link/PtySimulator.h"

using namespace tarvel;
using namespace tarvel::link;

namespace {
std::string errText(int err) { return std::strerror(err); }
}  // namespace

TEST(LinkLogReasons, FailedSerialOpenLogsPathAndErrnoText)
{
    struct Case {
        const char* path;
        int err;
    };
    const Case cases[] = {
        {"/dev/tarvel-no-such-port", ENOENT},
        {"/dev/null", ENOTTY},  // opens, but is no serial device
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        LogCapture log;
        PosixSerialDevice device;
        EXPECT_FALSE(device.open(c.path));
        EXPECT_TRUE(log.has(log::Area::Link, {c.path, errText(c.err)})) << log.dump();
        EXPECT_EQ(device.lastError().find(errText(c.err)) != std::string::npos, true) << device.lastError();
    }
}

TEST(LinkLogReasons, DeviceThatGoesAwayIsLogged)
{
    auto sim = std::make_unique<PtySimulator>();
    std::string error;
    ASSERT_TRUE(sim->open(&error)) << error;
    PosixSerialDevice device;
    ASSERT_TRUE(device.open(sim->slavePath())) << device.lastError();
    const std::string path = sim->slavePath();
    LogCapture log;
    sim.reset();  // the far end goes away
    EXPECT_FALSE(device.queued().has_value());
    EXPECT_TRUE(log.has(log::Area::Link, {path})) << log.dump();
}

TEST(LinkLogReasons, LoaderSocketFailuresLogPathAndErrnoText)
{
    // The listener makes a missing folder itself; below a plain file it cannot.
    const std::filesystem::path plainFile = "/tmp/tarvel-not-a-folder-" + std::to_string(::getpid());
    std::ofstream(plainFile) << "x";
    const std::filesystem::path socket = plainFile / "tarvel3-loader";
    {
        LogCapture log;
        LoaderListener listener;
        EXPECT_FALSE(listener.listen(socket));
        EXPECT_TRUE(log.has(log::Area::Link, {plainFile.string(), errText(ENOTDIR)})) << log.dump();
    }
    {
        LogCapture log;
        std::string error;
        EXPECT_FALSE(sendLoaderMessage(socket, {1, 2}, &error));
        EXPECT_TRUE(log.has(log::Area::Link, {socket.string(), errText(ENOTDIR)})) << log.dump();
        EXPECT_NE(error.find(errText(ENOTDIR)), std::string::npos) << error;
    }
    {
        LogCapture log;
        LoaderListener listener;
        EXPECT_FALSE(listener.listen(std::string(200, 'x')));
        EXPECT_TRUE(log.has(log::Area::Link, {"too long"})) << log.dump();
    }
    std::filesystem::remove(plainFile);
}
