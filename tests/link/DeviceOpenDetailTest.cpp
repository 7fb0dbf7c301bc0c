// The detail of "Com opening error!": the device, the reason, and for a
// missing permission the group to join.
#include <gtest/gtest.h>

#include <grp.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "link/DeviceOpenDetail.h"
#include "link/PosixSerialDevice.h"

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

TEST(DeviceOpenDetail, NamesThePathTheReasonAndForPermissionTheGroup)
{
    FakeDevice device;
    const group* owner = ::getgrgid(::getegid());
    ASSERT_NE(owner, nullptr);
    const std::string name = owner->gr_name;
    EXPECT_EQ(DeviceOpenDetail(device.path, EACCES),
              device.path + ": Permission denied. The device belongs to the group \"" + name +
                  "\"; the user must be a member of it: sudo usermod -aG " + name + " $USER, then log in again.");
    EXPECT_NE(DeviceOpenDetail(device.path, EPERM).find("usermod -aG " + name + " $USER"), std::string::npos);
    EXPECT_EQ(DeviceOpenDetail("/dev/tarvel-none", ENOENT), "/dev/tarvel-none: No such file or directory");
    EXPECT_EQ(DeviceOpenDetail(device.path, EBUSY), device.path + ": Device or resource busy");
    // No device to look at: the reason alone.
    EXPECT_EQ(DeviceOpenDetail("/dev/tarvel-none", EACCES), "/dev/tarvel-none: Permission denied");
}

// The serial open keeps that detail as its last error (as another user than
// the device's owner, so that the permission is really missing).
TEST(DeviceOpenDetail, IsTheLastErrorOfASerialOpenWithoutPermission)
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
        const std::string expected = DeviceOpenDetail(device.path, EACCES);
        ::_exit(serial.lastError() == expected && expected.find("usermod -aG root") != std::string::npos ? 0 : 102);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
