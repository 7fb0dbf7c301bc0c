// Every file the program reads, faced with what a hostile or careless
// settings folder may hold in its place: none of them blocks, none follows a
// link that is not the user's own, and each reports the file as unreadable.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <functional>

#include "HostileFiles.h"
#include "LogCapture.h"
#include "TempFolder.h"
#include "model/StartupImage.h"
#include "store/AppSettings.h"
#include "store/IgnFileReader.h"
#include "store/IgnFileWriter.h"
#include "store/ProfileFile.h"
#include "store/SafeFileReader.h"
#include "store/StateDump.h"
#include "store/TestMarker.h"

using namespace tarvel;
namespace fs = std::filesystem;

namespace {

// One reader of the program: true when it took the file as readable.
struct Reader {
    const char* name;
    std::function<bool(const std::string&)> read;
};

const Reader kReaders[] = {
    {"LoadIgnFile",
     [](const std::string& path) {
         ParamImage image = StartupImage();
         const bool loaded = LoadIgnFile(path, image) == IgnLoadResult::Loaded;
         EXPECT_TRUE(loaded || image == StartupImage());
         return loaded;
     }},
    {"LoadStateDump",
     [](const std::string& path) {
         ParamImage image = StartupImage();
         return LoadStateDump(path, image);
     }},
    {"ProfileFile::load", [](const std::string& path) { return ProfileFile().load(path); }},
    {"ReadTestMarker", [](const std::string& path) { return ReadTestMarker(path); }},
};

// A file every reader accepts: a parameter file that also holds the marker word.
std::string acceptedByAll()
{
    return IgnFileText(StartupImage()) + "\r\nPROBE_ALLOW\r\n";
}

}  // namespace

// A FIFO named like the file must not stall the reader (it used to wait in
// open() for a writer that never comes).
TEST(SafeFileReader, AFifoInThePlaceOfAFileDoesNotBlock)
{
    for (const Reader& reader : kReaders) {
        TempFolder folder;
        FifoGuard fifo(folder.path("file"));
        LogCapture log;
        EXPECT_FALSE(reader.read(folder.path("file"))) << reader.name;
        EXPECT_FALSE(fifo.stop()) << reader.name << " blocked on the FIFO";
        EXPECT_NE(log.dump().find("not a regular file"), std::string::npos) << reader.name << ": " << log.dump();
    }
}

TEST(SafeFileReader, ReadsRegularFilesAndTheUsersOwnLinks)
{
    TempFolder folder;
    writeFile(folder.path("real"), acceptedByAll());
    fs::create_symlink("real", folder.path("link"));
    fs::create_symlink("link", folder.path("chain"));
    for (const Reader& reader : kReaders)
        for (const char* name : {"real", "link", "chain"})
            EXPECT_TRUE(reader.read(folder.path(name))) << reader.name << " " << name;

    SafeFileReader file(folder.path("chain"));
    std::string text;
    ASSERT_TRUE(file.readAll(text));
    EXPECT_EQ(text, acceptedByAll());
    EXPECT_TRUE(SafeFileReader(folder.path("missing")).missing());
}

// Refused, whoever reads: a folder, a device, links to those, a link to a
// FIFO, a dangling link, and (as root, playing another user) a link planted by
// another user and a link to another user's file.
TEST(SafeFileReader, RefusesWhatIsNotARegularFileOfTheUser)
{
    TempFolder folder;
    writeFile(folder.path("real"), acceptedByAll());
    fs::create_directory(folder.path("folder"));
    ::mkfifo(folder.path("fifo").c_str(), 0644);
    fs::create_symlink("folder", folder.path("to-folder"));
    fs::create_symlink("fifo", folder.path("to-fifo"));
    fs::create_symlink("/dev/zero", folder.path("to-device"));
    fs::create_symlink("gone", folder.path("dangling"));
    std::vector<std::string> refused = {folder.path("folder"), "/dev/zero", folder.path("to-folder"),
                                        folder.path("to-fifo"), folder.path("to-device"), folder.path("dangling")};
    if (canPlayOtherUser()) {
        fs::create_symlink("real", folder.path("planted"));
        giveToOtherUser(folder.path("planted"));
        writeFile(folder.path("theirs"), acceptedByAll());
        giveToOtherUser(folder.path("theirs"));
        fs::create_symlink("theirs", folder.path("to-theirs"));
        refused.push_back(folder.path("planted"));
        refused.push_back(folder.path("to-theirs"));
        // Their file under its own name is an ordinary file to read.
        for (const Reader& reader : kReaders)
            EXPECT_TRUE(reader.read(folder.path("theirs"))) << reader.name;
    }
    for (const std::string& path : refused) {
        for (const Reader& reader : kReaders) {
            LogCapture log;
            EXPECT_FALSE(reader.read(path)) << reader.name << " " << path;
            EXPECT_NE(log.dump().find(path), std::string::npos) << reader.name << " " << path << ": " << log.dump();
        }
        SafeFileReader file(path);
        EXPECT_FALSE(file.isOpen()) << path;
        EXPECT_FALSE(file.missing()) << path;
        EXPECT_EQ(file.error().rfind(path + ": ", 0), 0u) << file.error();
    }
}

// The detail for "Open file error!": the path and the system's reason.
TEST(SafeFileReader, OpenErrorsCarryThePathAndTheReason)
{
    TempFolder folder;
    ParamImage image = StartupImage();
    std::string detail;
    EXPECT_EQ(LoadIgnFile(folder.path("missing.ign"), image, &detail), IgnLoadResult::OpenError);
    EXPECT_EQ(detail, folder.path("missing.ign") + ": No such file or directory");
    fs::create_directory(folder.path("dir.ign"));
    EXPECT_EQ(LoadIgnFile(folder.path("dir.ign"), image, &detail), IgnLoadResult::OpenError);
    EXPECT_EQ(detail, folder.path("dir.ign") + ": Is a directory");
}

// Start-up with FIFOs named as the settings file and the state dump: the
// defaults stay, nothing blocks, and the exit leaves the FIFOs alone (the state
// dump cannot replace one; the settings are not written over a file that could
// not be read).
TEST(AppSettings, FifosAsSettingsFilesNeitherBlockNorGetReplaced)
{
    TempFolder folder;
    const AppPaths paths{folder.path()};
    FifoGuard settings(paths.settingsFile());
    FifoGuard dump(paths.stateDumpFile());
    FormSettings form;
    form.left = 40;
    ParamImage image = StartupImage();
    LoadSettings(paths, form, image);
    EXPECT_EQ(form.left, 40);
    EXPECT_EQ(image, StartupImage());

    const SaveSettingsResult result = SaveSettings(paths, form, image);
    EXPECT_FALSE(result.settingsWritten);
    EXPECT_FALSE(result.stateDumpWritten);
    EXPECT_FALSE(settings.stop()) << "blocked on the settings FIFO";
    EXPECT_FALSE(dump.stop()) << "blocked on the state dump FIFO";
    EXPECT_TRUE(fs::is_fifo(paths.settingsFile()));
    EXPECT_TRUE(fs::is_fifo(paths.stateDumpFile()));
    EXPECT_EQ(folder.list(), (std::vector<std::string>{"_tarvel3", "tarvel3"}));
}

// Links planted as the settings files are not written through: the files
// they lead to keep their content, and the exit writes nothing in their place.
TEST(AppSettings, DanglingAndForeignLinksAsSettingsFilesAreNotWrittenThrough)
{
    TempFolder folder;
    fs::create_directory(folder.path("home"));
    fs::create_directory(folder.path("other"));
    const AppPaths paths{folder.path("home")};
    writeFile(folder.path("other/settings.ini"), "[Theirs]\r\nKey=1\r\n");
    fs::create_symlink(folder.path("other/settings.ini"), paths.settingsFile());
    fs::create_symlink(folder.path("other/new-file"), paths.stateDumpFile());
    if (canPlayOtherUser()) {
        giveToOtherUser(folder.path("other/settings.ini"));
    } else {
        fs::remove(paths.settingsFile());
        fs::create_symlink("/dev/null", paths.settingsFile());
    }
    LogCapture log;
    const SaveSettingsResult result = SaveSettings(paths, FormSettings{}, StartupImage());
    EXPECT_FALSE(result.settingsWritten);
    EXPECT_FALSE(result.stateDumpWritten);
    EXPECT_EQ(readFile(folder.path("other/settings.ini")), "[Theirs]\r\nKey=1\r\n");
    EXPECT_EQ(folder.list("other"), std::vector<std::string>{"settings.ini"});
    EXPECT_TRUE(fs::is_symlink(paths.settingsFile()));
    EXPECT_TRUE(fs::is_symlink(paths.stateDumpFile()));
    EXPECT_NE(log.dump().find(paths.stateDumpFile()), std::string::npos) << log.dump();
}

// A save killed half-way leaves its temporary file; the next start removes it.
TEST(AppSettings, StartRemovesTheTemporaryFilesOfKilledSaves)
{
    TempFolder folder;
    const AppPaths paths{folder.path()};
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    for (const char* name : {".tarvel3.", "._tarvel3."})
        writeFile(folder.path(name + std::to_string(gone) + ".4711.tmp"), "half");
    writeFile(paths.stateDumpFile(), StateDumpText(StartupImage(7)));
    FormSettings form;
    ParamImage image;
    LoadSettings(paths, form, image);
    EXPECT_EQ(image, StartupImage(7));
    EXPECT_EQ(folder.list(), std::vector<std::string>{"_tarvel3"});
}
