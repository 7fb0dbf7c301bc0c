// Why a device did not open, as data: the device, the step, the error
// number, and for a missing permission the group that owns the device.
#include <gtest/gtest.h>

#include <grp.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "link/DeviceOpenFailure.h"
#include "link/PosixSerialDevice.h"
#include "link/SimulatedUnitDevice.h"

using namespace tarvel::link;

namespace {

// A stand-in device file, removed afterwards.
struct FakeDevice {
    FakeDevice()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tarvel3-dev-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr)
            folder = pattern;
        ::chmod(folder.c_str(), 0755);
        path = folder + "/ttyUSB9";
        std::ofstream(path) << "";
    }
    ~FakeDevice() { std::filesystem::remove_all(folder); }
    std::string folder;
    std::string path;
};

}  // namespace

TEST(DeviceOpenFailure, NamesTheOwningGroupOnlyForAMissingPermission)
{
    FakeDevice device;
    const group* owner = ::getgrgid(::getegid());
    ASSERT_NE(owner, nullptr);
    const std::string name = owner->gr_name;
    using Step = DeviceOpenFailure::Step;
    EXPECT_EQ(
        DeviceOpenFailure::of(device.path, Step::Open, EACCES),
        (DeviceOpenFailure{.devicePath = device.path, .step = Step::Open, .errnoValue = EACCES, .owningGroup = name}));
    EXPECT_EQ(DeviceOpenFailure::of(device.path, Step::Open, EPERM).owningGroup, name);
    EXPECT_EQ(DeviceOpenFailure::of(device.path, Step::InUse, EBUSY).owningGroup, "");
    EXPECT_EQ(DeviceOpenFailure::of("/dev/tarvel-none", Step::Open, ENOENT).owningGroup, "");
    // No device to look at: no group.
    EXPECT_EQ(DeviceOpenFailure::of("/dev/tarvel-none", Step::Open, EACCES).owningGroup, "");
}

// The serial open keeps that failure (as another user than the device's
// owner, so that the permission is really missing).
TEST(DeviceOpenFailure, IsKeptByASerialOpenWithoutPermission)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to play another user";
    FakeDevice device;
    ::chmod(device.path.c_str(), 0660);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(100);
        PosixSerialDevice serial;
        if (serial.open(device.path))
            ::_exit(101);
        const DeviceOpenFailure expected{.devicePath = device.path,
                                         .step = DeviceOpenFailure::Step::Open,
                                         .errnoValue = EACCES,
                                         .owningGroup = "root"};
        ::_exit(serial.openFailure() == expected ? 0 : 102);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

// A device that opens clears the failure of the open before.
TEST(DeviceOpenFailure, IsClearedByAnOpenThatWorks)
{
    SimulatedUnitDevice device;
    device.onlyPath = "/dev/ttyS0";
    EXPECT_FALSE(device.open("/dev/ttyS1"));
    EXPECT_EQ(device.openFailure().errnoValue, ENOENT);
    EXPECT_EQ(device.openFailure().devicePath, "/dev/ttyS1");
    EXPECT_TRUE(device.open("/dev/ttyS0"));
    EXPECT_EQ(device.openFailure(), DeviceOpenFailure{});
}
