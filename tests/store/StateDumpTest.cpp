#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "TempFolder.h"
#include "model/StartupImage.h"
#include "store/StateDump.h"
#include "store/TestMarker.h"

using namespace tarvel;

namespace {

std::string numbers(int count, int first = 0)
{
    std::string text;
    for (int k = 0; k < count; ++k)
        text += std::to_string(first + k) + (k % 7 == 6 ? "\r\n" : " ");
    return text;
}

}  // namespace

TEST(StateDump, TwentyThreeLines)
{
    ParamImage image = StartupImage();
    image.spare()[6] = 255;
    const std::string text = StateDumpText(image);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
        lines.push_back(text.substr(start, at - start));
    lines.push_back(text.substr(start));
    ASSERT_EQ(lines.size(), 23u);
    EXPECT_EQ(lines[0], "   20     0     1     5     2     1     0    90     0    10 ");
    EXPECT_EQ(lines[10], "");
    EXPECT_EQ(lines[21], "");
    EXPECT_EQ(lines[22], "    0     0     0     0     0     0   255 ");
    for (int i : {1, 9, 11, 20})
        EXPECT_EQ(lines[static_cast<std::size_t>(i)].size(), 60u);
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
}

TEST(StateDump, ReadingIsTolerant)
{
    struct Case {
        const char* name;
        std::string text;
        int taken;  // bytes 0..taken-1 get first, first + 1, ...; the rest stay
        int first;
    };
    const Case cases[] = {
        {"empty", "", 0, 0},
        {"configPageOnly", numbers(100, 1), 100, 1},
        {"whole", numbers(207), 207, 0},
        {"overlong", numbers(250, 3), 207, 3},
        {"stopsAtNonNumber", "1 2 x 4", 2, 1},
        {"stopsAtJoinedText", "1 2 3abc 4", 2, 1},
    };
    const ParamImage base = StartupImage();
    for (const Case& c : cases) {
        ParamImage image = base;
        EXPECT_EQ(ReadStateDump(c.text, image), c.taken) << c.name;
        ParamImage expected = base;
        for (int k = 0; k < c.taken; ++k)
            expected[k] = static_cast<std::uint8_t>(c.first + k);
        EXPECT_EQ(image, expected) << c.name;
    }
}

TEST(StateDump, NumbersKeepTheirLowEightBits)
{
    ParamImage image = StartupImage();
    EXPECT_EQ(ReadStateDump("300 256 -1 70000", image), 4);
    EXPECT_EQ(image[0], 44);
    EXPECT_EQ(image[1], 0);
    EXPECT_EQ(image[2], 255);
    EXPECT_EQ(image[3], 70000 % 256);
}

TEST(StateDump, SaveAndLoad)
{
    TempFolder folder;
    ParamImage image = StartupImage(31);
    image.spare()[0] = 1;
    image[fld::reserved14] = 200;
    ASSERT_TRUE(SaveStateDump(folder.path("_tarvel3"), image));
    ParamImage loaded;
    ASSERT_TRUE(LoadStateDump(folder.path("_tarvel3"), loaded));
    EXPECT_EQ(loaded, image);

    ParamImage untouched = StartupImage();
    EXPECT_FALSE(LoadStateDump(folder.path("missing"), untouched));
    EXPECT_FALSE(LoadStateDump(folder.path(), untouched));
    EXPECT_EQ(untouched, StartupImage());
}

TEST(TestMarker, WholeWordOnly)
{
    struct Case {
        const char* text;
        bool on;
    };
    const Case cases[] = {
        {"PROBE_ALLOW", true},
        {"x y\r\n\tPROBE_ALLOW\r\n", true},
        {"PROBE_ALLOWED", false},
        {"XPROBE_ALLOW", false},
        {"probe_allow", false},
        {"", false},
        {"PROBE_ALLOW PROBE_ALLOW", true},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.text);
        EXPECT_EQ(HasTestMarker(in), c.on) << c.text;
    }
    TempFolder folder;
    writeFile(folder.path("test_verdol.txt"), "PROBE_ALLOW");
    EXPECT_TRUE(ReadTestMarker(folder.path("test_verdol.txt")));
    EXPECT_FALSE(ReadTestMarker(folder.path("missing.txt")));
    EXPECT_FALSE(ReadTestMarker(folder.path()));
}
