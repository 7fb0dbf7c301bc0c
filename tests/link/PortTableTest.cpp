#include <gtest/gtest.h>

#include "link/PortTable.h"

using namespace tarvel::link;

TEST(PortTable, BuiltInMappingAndOverrides)
{
    PortTable t;
    EXPECT_EQ(t.devicePath(1), "/dev/ttyS0");
    EXPECT_EQ(t.devicePath(4), "/dev/ttyS3");
    EXPECT_EQ(t.devicePath(5), "/dev/ttyUSB0");
    EXPECT_EQ(t.devicePath(12), "/dev/ttyUSB7");
    EXPECT_EQ(t.devicePath(13), "/dev/ttyACM0");
    EXPECT_EQ(t.devicePath(20), "/dev/ttyACM7");
    t.setOverride(3, "/dev/serial/by-id/zevo");
    EXPECT_EQ(t.devicePath(3), "/dev/serial/by-id/zevo");
    t.setOverride(3, "");
    EXPECT_EQ(t.devicePath(3), "/dev/ttyS2");
}

TEST(PortTable, ResolvesPortNamesAndPassesPathsThrough)
{
    PortTable t;
    t.setOverride(7, "/dev/pts/9");
    EXPECT_EQ(t.resolve("COM7"), "/dev/pts/9");
    EXPECT_EQ(t.resolve("com2"), "/dev/ttyS1");
    EXPECT_EQ(t.resolve("/dev/ttyUSB3"), "/dev/ttyUSB3");
    for (const char* notAPort : {"COM0", "COM21", "COM", "COM05", "COMX", "COM123"})
        EXPECT_FALSE(PortTable::portNumber(notAPort)) << notAPort;
    EXPECT_EQ(PortTable::portNumber("COM20"), 20);
}

TEST(PortTable, OverridesFromTheSettingsKeys)
{
    PortTable t;
    t.loadOverrides([](const std::string& key) -> std::optional<std::string> {
        if (key == "COM3")
            return "/dev/ttyAMA0";
        if (key == "COM4")
            return "";
        return std::nullopt;
    });
    EXPECT_EQ(t.devicePath(3), "/dev/ttyAMA0");
    EXPECT_EQ(t.devicePath(4), "/dev/ttyS3");
}
