#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>

#include "TempFolder.h"
#include "model/StartupImage.h"
#include "store/AppPaths.h"
#include "store/AppSettings.h"
#include "store/ProfileFile.h"
#include "store/StateDump.h"

using namespace tarvel;

TEST(ProfileFile, LookupsIgnoreCase)
{
    const ProfileFile profile("[form_hlav]\r\n  left = 5 \r\n[Ports]\ncom3=/dev/ttyUSB0\n");
    EXPECT_EQ(profile.readInt("FORM_HLAV", "Left", -1), 5);
    EXPECT_EQ(profile.readString("PORTS", "COM3", ""), "/dev/ttyUSB0");
    EXPECT_EQ(profile.readString("PORTS", "COM4", "none"), "none");
    EXPECT_EQ(profile.readString("OTHER", "COM3", "none"), "none");
}

TEST(ProfileFile, ReadsIntegersLikeTheProfileFunctions)
{
    struct Case {
        const char* value;
        int expected;
    };
    const Case cases[] = {
        {"12", 12}, {"-7", -7}, {"+3", 3},    {"12abc", 12},     {"0x10", 0},  {"abc", -99},
        {"", -99},  {"-", -99}, {" 42 ", 42}, {"4294967297", 1}, {"\"8\"", 8}, {"2147483648", -2147483647 - 1},
    };
    for (const Case& c : cases) {
        const ProfileFile profile(std::string("[S]\nK=") + c.value + "\n");
        EXPECT_EQ(profile.readInt("s", "k", -99), c.expected) << "'" << c.value << "'";
    }
    EXPECT_EQ(ProfileFile("[S]\nOther=1\n").readInt("S", "K", -99), -99);
    EXPECT_EQ(ProfileFile("K=1\n[S]\n").readInt("S", "K", -99), -99);  // keys before any section belong to none
}

TEST(ProfileFile, StringsLoseBlanksAndOnePairOfQuotes)
{
    const ProfileFile profile("[S]\nA=  \"C:\\data x.ign\"  \nB='q'\nC=\"\nD=\nE\n");
    EXPECT_EQ(profile.readString("S", "A", "-"), "C:\\data x.ign");
    EXPECT_EQ(profile.readString("S", "B", "-"), "q");
    EXPECT_EQ(profile.readString("S", "C", "-"), "\"");
    EXPECT_EQ(profile.readString("S", "D", "-"), "");
    EXPECT_EQ(profile.readString("S", "E", "-"), "-");  // a line without '=' is no key
}

TEST(ProfileFile, WritingKeepsEverythingElse)
{
    ProfileFile profile(
        "; comment\r\n"
        "[Other]\r\nLeft=1\r\n\r\n"
        "[Form_Hlav]\r\nleft=5\r\nExtra = keep me\r\n\r\n"
        "[PORTS]\r\nCOM1=/dev/x\r\n");
    profile.writeInt("FORM_HLAV", "Left", 10);
    profile.writeString("FORM_HLAV", "File", "/tmp/a.ign");
    profile.writeString("NEW", "Key", "v\nw");
    EXPECT_EQ(profile.text(),
              "; comment\r\n"
              "[Other]\r\nLeft=1\r\n\r\n"
              "[Form_Hlav]\r\nleft=10\r\nExtra = keep me\r\nFile=/tmp/a.ign\r\n\r\n"
              "[PORTS]\r\nCOM1=/dev/x\r\n\r\n"
              "[NEW]\r\nKey=vw\r\n");
}

TEST(ProfileFile, WrittenTextsReadBackUnchanged)
{
    for (const char* value : {" lead", "trail\t", "\"quoted\"", "'single'", "\"", "a=b", "x\ry", ""}) {
        ProfileFile profile;
        profile.writeString("S", "K", value);
        EXPECT_EQ(ProfileFile(profile.text()).readString("S", "K", "-"), value) << profile.text();
    }
}

TEST(FormSettings, NewFileHoldsTheTenKeysInOrder)
{
    FormSettings form;
    form.left = 10;
    form.top = -20;
    form.height = 800;
    form.width = 950;
    form.setPortIndex(20);
    form.setScanIndex(3);
    form.language = 3;
    form.file = "/home/u/tune.ign";
    form.iniDir = "/home/u/last.ign";
    form.activePageIndex = 2;
    ProfileFile profile;
    WriteFormSettings(profile, form);
    EXPECT_EQ(profile.text(),
              "[FORM_HLAV]\r\nLeft=10\r\nTop=-20\r\nHeight=800\r\nWidth=950\r\nComPort=21\r\nComPortAuto=4\r\n"
              "Language=3\r\nFile=/home/u/tune.ign\r\nIniDir=/home/u/last.ign\r\n"
              "PageControl1->ActivePageIndex=2\r\n");

    FormSettings read;
    ReadFormSettings(ProfileFile(profile.text()), read);
    EXPECT_EQ(read, form);
}

TEST(FormSettings, MissingKeysKeepTheCurrentValues)
{
    FormSettings form;
    form.left = 123;
    form.width = 934;
    form.file = "stale";
    ReadFormSettings(ProfileFile("[FORM_HLAV]\nTop=7\nIniDir=/x\n"), form);
    EXPECT_EQ(form.left, 123);
    EXPECT_EQ(form.top, 7);
    EXPECT_EQ(form.width, 934);
    EXPECT_EQ(form.file, "");  // text keys default to empty
    EXPECT_EQ(form.iniDir, "/x");
    EXPECT_EQ(form.portIndex(), 0);    // COM1
    EXPECT_EQ(form.scanIndex(), 255);  // repaired to 0 by validation
}

TEST(FormSettings, PortKeys)
{
    struct Case {
        const char* text;
        std::uint8_t portIndex;
    };
    for (const Case& c :
         {Case{"ComPort=21", 20}, Case{"ComPort=0", 255}, Case{"ComPort=3", 2}, Case{"ComPort=257", 0}}) {
        FormSettings form;
        ReadFormSettings(ProfileFile(std::string("[FORM_HLAV]\n") + c.text), form);
        EXPECT_EQ(form.portIndex(), c.portIndex) << c.text;
    }
}

TEST(AppSettings, FirstRunKeepsDefaults)
{
    TempFolder folder;
    const AppPaths paths{folder.path("never/made")};
    FormSettings form;
    form.left = 40;
    ParamImage image = StartupImage();
    LoadSettings(paths, form, image);
    EXPECT_EQ(form, [] {
        FormSettings f;
        f.left = 40;
        return f;
    }());
    EXPECT_EQ(image, StartupImage());
    EXPECT_FALSE(std::filesystem::exists(paths.folder));
}

TEST(AppSettings, SaveAndLoadRoundTripKeepingForeignKeys)
{
    TempFolder folder;
    const AppPaths paths{folder.path("nested/tarvel3")};
    ASSERT_TRUE(paths.createFolder());
    writeFile(paths.settingsFile(), "[PORTS]\r\nCOM2=/dev/ttyACM0\r\n[FORM_HLAV]\r\nLEFT=1\r\nMine=yes\r\n");

    FormSettings form;
    form.left = 77;
    form.setPortIndex(4);
    form.language = 1;
    form.file = "/a b/c.ign";
    ParamImage image = StartupImage(24);
    image.spare()[2] = 9;
    const SaveSettingsResult result = SaveSettings(paths, form, image);
    EXPECT_TRUE(result.settingsWritten);
    EXPECT_TRUE(result.stateDumpWritten);

    FormSettings read;
    ParamImage loaded = StartupImage();
    LoadSettings(paths, read, loaded);
    EXPECT_EQ(read, form);
    EXPECT_EQ(loaded, image);
    const ProfileFile profile = LoadSettingsFile(paths);
    EXPECT_EQ(profile.readString("ports", "com2", ""), "/dev/ttyACM0");
    EXPECT_EQ(profile.readString("FORM_HLAV", "Mine", ""), "yes");
    EXPECT_EQ(readFile(paths.settingsFile()).find("LEFT=77\r\n"),
              std::string("[PORTS]\r\nCOM2=/dev/ttyACM0\r\n[FORM_HLAV]\r\n").size());
}

TEST(AppSettings, StateDumpIsWrittenWhenTheSettingsCannotBe)
{
    TempFolder folder;
    const AppPaths paths{folder.path()};
    writeFile(paths.settingsFile(), "[FORM_HLAV]\r\nLeft=1\r\n");
    ::chmod(paths.settingsFile().c_str(), 0444);
    FormSettings form;
    form.left = 2;
    const SaveSettingsResult result = SaveSettings(paths, form, StartupImage(3));
    EXPECT_FALSE(result.settingsWritten);
    EXPECT_EQ(result.settingsError, "Unable to write to " + paths.settingsFile());
    EXPECT_TRUE(result.stateDumpWritten);
    EXPECT_EQ(readFile(paths.settingsFile()), "[FORM_HLAV]\r\nLeft=1\r\n");
    EXPECT_EQ(readFile(paths.stateDumpFile()), StateDumpText(StartupImage(3)));
}

TEST(AppPaths, FolderFromTheEnvironment)
{
    const char* names[] = {"TARVEL3_HOME", "XDG_CONFIG_HOME", "HOME"};
    std::string saved[3];
    bool had[3];
    for (int i = 0; i < 3; ++i) {
        const char* v = std::getenv(names[i]);
        had[i] = v != nullptr;
        saved[i] = v ? v : "";
    }
    struct Case {
        const char* own;
        const char* xdg;
        const char* home;
        const char* folder;
    };
    const Case cases[] = {
        {"/t3", "/xdg", "/h", "/t3"},
        {"", "/xdg", "/h", "/xdg/tarvel3"},
        {nullptr, "relative", "/h", "/h/.config/tarvel3"},
        {nullptr, nullptr, "/h", "/h/.config/tarvel3"},
    };
    for (const Case& c : cases) {
        const char* values[] = {c.own, c.xdg, c.home};
        for (int i = 0; i < 3; ++i)
            values[i] ? ::setenv(names[i], values[i], 1) : ::unsetenv(names[i]);
        const AppPaths paths = AppPaths::fromEnvironment();
        EXPECT_EQ(paths.folder, c.folder);
    }
    for (int i = 0; i < 3; ++i)
        had[i] ? ::setenv(names[i], saved[i].c_str(), 1) : ::unsetenv(names[i]);

    const AppPaths paths{"/x/"};
    EXPECT_EQ(paths.settingsFile(), "/x/tarvel3");
    EXPECT_EQ(AppPaths{"/x"}.stateDumpFile(), "/x/_tarvel3");
    EXPECT_EQ(AppPaths{"/x"}.testMarkerFile(), "/x/test_verdol.txt");
}
