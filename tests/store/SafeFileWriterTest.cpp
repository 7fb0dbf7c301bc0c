#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>

#include "HostileFiles.h"
#include "LogCapture.h"
#include "TempFolder.h"
#include "store/SafeFileWriter.h"

using namespace tarvel;
namespace fs = std::filesystem;

namespace {

mode_t modeOf(const std::string& path)
{
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

struct WriteSteps {
    bool opened;
    bool written;
    bool committed;
};

// Opens `file`, writes 5000 bytes and commits under a file size limit of 1000
// bytes. SIGXFSZ is ignored meanwhile, so that going beyond the limit fails
// the write instead of ending the test program.
WriteSteps writeBeyondASizeLimit(SafeFileWriter& file)
{
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ::setrlimit(RLIMIT_FSIZE, &small);

    WriteSteps steps{};
    steps.opened = file.open();
    steps.written = file.write(std::string(5000, 'x'));
    steps.committed = file.commit();

    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    return steps;
}

}  // namespace

TEST(SafeFileWriter, CreatesANewFileWithTheUmaskMode)
{
    TempFolder folder;
    const mode_t old = ::umask(022);
    std::string error;
    const bool ok = SafeFileWriter::writeFile(folder.path("a.ign"), "new", &error);
    ::umask(old);
    ASSERT_TRUE(ok) << error;
    EXPECT_EQ(readFile(folder.path("a.ign")), "new");
    EXPECT_EQ(modeOf(folder.path("a.ign")), 0644u);
    EXPECT_EQ(folder.list(), std::vector<std::string>{"a.ign"});
}

TEST(SafeFileWriter, ReplacesAFileAndKeepsItsMode)
{
    TempFolder folder;
    writeFile(folder.path("a.ign"), "old content that is longer");
    ::chmod(folder.path("a.ign").c_str(), 0640);
    ASSERT_TRUE(SafeFileWriter::writeFile(folder.path("a.ign"), "new"));
    EXPECT_EQ(readFile(folder.path("a.ign")), "new");
    EXPECT_EQ(modeOf(folder.path("a.ign")), 0640u);
}

// Refused before anything happens: no temporary file, the old file as it was.
TEST(SafeFileWriter, RefusesTargetsThatCannotBeWritten)
{
    TempFolder folder;
    writeFile(folder.path("readonly.ign"), "keep");
    ::chmod(folder.path("readonly.ign").c_str(), 0444);
    fs::create_directory(folder.path("locked"));
    writeFile(folder.path("locked/inside.ign"), "keep");
    ::chmod(folder.path("locked").c_str(), 0555);
    fs::create_directory(folder.path("folder.ign"));

    ::mkfifo(folder.path("fifo.ign").c_str(), 0644);

    for (const char* name : {"readonly.ign", "locked/new.ign", "folder.ign", "missing/x.ign", "fifo.ign"}) {
        SafeFileWriter file(folder.path(name));
        EXPECT_FALSE(file.open()) << name;
        EXPECT_FALSE(file.error().empty()) << name;
        EXPECT_FALSE(file.write("x")) << name;
        EXPECT_FALSE(file.commit()) << name;
    }
    EXPECT_EQ(readFile(folder.path("readonly.ign")), "keep");
    EXPECT_EQ(readFile(folder.path("locked/inside.ign")), "keep");
    EXPECT_EQ(folder.list(), (std::vector<std::string>{"fifo.ign", "folder.ign", "locked", "readonly.ign"}));
    EXPECT_TRUE(fs::is_fifo(folder.path("fifo.ign")));
    EXPECT_EQ(folder.list("locked"), std::vector<std::string>{"inside.ign"});
    EXPECT_TRUE(folder.list("folder.ign").empty());
}

TEST(SafeFileWriter, RefusesDevices)
{
    SafeFileWriter file("/dev/null");
    EXPECT_FALSE(file.open());
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

// The user's own links to the user's own regular file (a dotfile manager's
// way) are followed: the file is replaced, the links stay.
TEST(SafeFileWriter, WritesThroughTheUsersOwnLinks)
{
    TempFolder folder;
    fs::create_directory(folder.path("real"));
    writeFile(folder.path("real/a.ign"), "old");
    fs::create_symlink("real/a.ign", folder.path("relative"));
    fs::create_symlink(folder.path("relative"), folder.path("chain"));

    SafeFileWriter viaChain(folder.path("chain"));
    ASSERT_TRUE(viaChain.open()) << viaChain.error();
    EXPECT_EQ(viaChain.target(), folder.path("real/a.ign"));
    ASSERT_TRUE(viaChain.write("new") && viaChain.commit());

    EXPECT_TRUE(fs::is_symlink(folder.path("relative")));
    EXPECT_TRUE(fs::is_symlink(folder.path("chain")));
    EXPECT_EQ(readFile(folder.path("real/a.ign")), "new");
    EXPECT_EQ(folder.list("real"), std::vector<std::string>{"a.ign"});
}

// Any other link is refused with its reason logged, and every file stays as it
// was: a link that leads nowhere (it would create a file elsewhere), to a
// folder, to a FIFO, to a device, and (as root, playing another user) a link
// planted by another user, also in a shared sticky folder, and a link of one's
// own to another user's file.
TEST(SafeFileWriter, RefusesLinksThatAreNotTheUsersOwn)
{
    TempFolder folder;
    fs::create_directory(folder.path("elsewhere"));
    writeFile(folder.path("victim"), "victim's data");
    ::mkfifo(folder.path("fifo").c_str(), 0644);
    struct Case {
        const char* name;
        std::string target;
        bool foreignLink;
        bool foreignTarget;
    };
    std::vector<Case> cases = {
        {"dangling", folder.path("elsewhere/new.ign"), false, false},
        {"to-folder", folder.path("elsewhere"), false, false},
        {"to-fifo", folder.path("fifo"), false, false},
        {"to-device", "/dev/null", false, false},
    };
    if (canPlayOtherUser()) {
        fs::create_directory(folder.path("shared"));
        ::chmod(folder.path("shared").c_str(), 01777);
        cases.push_back({"shared/planted", folder.path("victim"), true, false});
        cases.push_back({"planted", folder.path("victim"), true, false});
        writeFile(folder.path("theirs"), "their data");
        giveToOtherUser(folder.path("theirs"));
        cases.push_back({"to-theirs", folder.path("theirs"), false, true});
    }
    for (const Case& c : cases) {
        fs::create_symlink(c.target, folder.path(c.name));
        if (c.foreignLink)
            giveToOtherUser(folder.path(c.name));
        LogCapture log;
        SafeFileWriter file(folder.path(c.name));
        EXPECT_FALSE(file.open()) << c.name;
        EXPECT_NE(file.error().find("symbolic link"), std::string::npos) << c.name << ": " << file.error();
        EXPECT_NE(log.dump().find(folder.path(c.name)), std::string::npos) << c.name << ": " << log.dump();
        EXPECT_FALSE(file.write("x") || file.commit()) << c.name;
        EXPECT_TRUE(fs::is_symlink(folder.path(c.name))) << c.name;
    }
    EXPECT_EQ(readFile(folder.path("victim")), "victim's data");
    EXPECT_TRUE(folder.list("elsewhere").empty());
    EXPECT_TRUE(fs::is_fifo(folder.path("fifo")));
    if (canPlayOtherUser()) {
        EXPECT_EQ(readFile(folder.path("theirs")), "their data");
        EXPECT_EQ(folder.list("shared"), std::vector<std::string>{"planted"});
    }
}

TEST(SafeFileWriter, LinkLoopIsRefused)
{
    TempFolder folder;
    fs::create_symlink("b", folder.path("a"));
    fs::create_symlink("a", folder.path("b"));
    EXPECT_FALSE(SafeFileWriter::writeFile(folder.path("a"), "x"));
}

// A write that fails half-way (here: the file size limit) reports failure and
// leaves the previous file whole.
TEST(SafeFileWriter, FailedWriteKeepsThePreviousFile)
{
    TempFolder folder;
    writeFile(folder.path("a.ign"), "previous tune");
    SafeFileWriter file(folder.path("a.ign"));
    const auto [opened, written, committed] = writeBeyondASizeLimit(file);
    EXPECT_TRUE(opened);
    EXPECT_FALSE(written);
    EXPECT_FALSE(committed);
    EXPECT_FALSE(file.error().empty());
    EXPECT_EQ(readFile(folder.path("a.ign")), "previous tune");
    EXPECT_EQ(folder.list(), std::vector<std::string>{"a.ign"});
}

TEST(SafeFileWriter, AbandonedWriteLeavesNoTrace)
{
    TempFolder folder;
    writeFile(folder.path("a.ign"), "previous");
    {
        SafeFileWriter file(folder.path("a.ign"));
        ASSERT_TRUE(file.open());
        ASSERT_TRUE(file.write("half"));
        EXPECT_EQ(folder.list().size(), 2u);
    }
    EXPECT_EQ(readFile(folder.path("a.ign")), "previous");
    EXPECT_EQ(folder.list(), std::vector<std::string>{"a.ign"});
}

namespace {

ino_t inodeOf(const std::string& path)
{
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_ino;
}

// Runs `body` in a child process as user nobody; its return value is the exit status.
int runAsOtherUser(const std::function<int()>& body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kOtherUser) != 0 || ::setuid(kOtherUser) != 0)
            ::_exit(100);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 200;
}

}  // namespace

// A folder that takes no new file (its write bits are off) holding a file that
// may be written: the file is rewritten in place, longer or shorter, and the
// folder gets nothing new.
TEST(SafeFileWriter, RewritesInPlaceWhenOnlyTheFileIsWritable)
{
    TempFolder folder;
    fs::create_directory(folder.path("locked"));
    writeFile(folder.path("locked/a.ign"), "previous tune");
    ::chmod(folder.path("locked/a.ign").c_str(), 0640);
    const ino_t inode = inodeOf(folder.path("locked/a.ign"));
    ::chmod(folder.path("locked").c_str(), 0555);

    for (const std::string& content : {std::string("a longer tune than before"), std::string("short")}) {
        LogCapture log;
        SafeFileWriter file(folder.path("locked/a.ign"));
        ASSERT_TRUE(file.open()) << file.error();
        EXPECT_TRUE(file.inPlace());
        ASSERT_TRUE(file.write(content) && file.commit()) << file.error();
        EXPECT_EQ(readFile(folder.path("locked/a.ign")), content);
        EXPECT_NE(log.dump().find("in place"), std::string::npos) << log.dump();
    }
    EXPECT_EQ(inodeOf(folder.path("locked/a.ign")), inode);
    EXPECT_EQ(modeOf(folder.path("locked/a.ign")), 0640u);
    EXPECT_EQ(folder.list("locked"), std::vector<std::string>{"a.ign"});

    // A new file, or a file that may not be written, is still refused there.
    EXPECT_FALSE(SafeFileWriter::writeFile(folder.path("locked/new.ign"), "x"));
    ::chmod(folder.path("locked/a.ign").c_str(), 0440);
    EXPECT_FALSE(SafeFileWriter::writeFile(folder.path("locked/a.ign"), "x"));
    EXPECT_EQ(readFile(folder.path("locked/a.ign")), "short");
    // Elsewhere the atomic replacement stays: a new inode.
    writeFile(folder.path("open.ign"), "old");
    const ino_t openInode = inodeOf(folder.path("open.ign"));
    SafeFileWriter open(folder.path("open.ign"));
    ASSERT_TRUE(open.open());
    EXPECT_FALSE(open.inPlace());
    ASSERT_TRUE(open.write("new") && open.commit());
    EXPECT_NE(inodeOf(folder.path("open.ign")), openInode);
}

// A rewrite in place that cannot get the room it needs (here: the file size
// limit) fails before it touches the old content.
TEST(SafeFileWriter, RewriteInPlaceFailsWholeOnASizeLimit)
{
    TempFolder folder;
    fs::create_directory(folder.path("locked"));
    writeFile(folder.path("locked/a.ign"), "previous tune");
    ::chmod(folder.path("locked").c_str(), 0555);
    SafeFileWriter file(folder.path("locked/a.ign"));
    const auto [opened, written, committed] = writeBeyondASizeLimit(file);
    EXPECT_TRUE(opened && written);
    EXPECT_FALSE(committed);
    EXPECT_NE(file.error().find(std::strerror(EFBIG)), std::string::npos) << file.error();
    EXPECT_EQ(readFile(folder.path("locked/a.ign")), "previous tune");
}

// The case as it happens: another user was given write access to one file in
// a folder that is not theirs.
TEST(SafeFileWriter, AnotherUserRewritesTheFileTheyWereGiven)
{
    if (!canPlayOtherUser())
        GTEST_SKIP() << "needs root to play another user";
    TempFolder folder;
    ::chmod(folder.path().c_str(), 0755);
    writeFile(folder.path("shared.ign"), "previous");
    ::chmod(folder.path("shared.ign").c_str(), 0666);
    writeFile(folder.path("private.ign"), "private");
    ::chmod(folder.path("private.ign").c_str(), 0644);

    EXPECT_EQ(runAsOtherUser([&] { return SafeFileWriter::writeFile(folder.path("shared.ign"), "given") ? 0 : 1; }), 0);
    EXPECT_EQ(readFile(folder.path("shared.ign")), "given");
    EXPECT_EQ(runAsOtherUser([&] { return SafeFileWriter::writeFile(folder.path("private.ign"), "x") ? 0 : 1; }), 1);
    EXPECT_EQ(runAsOtherUser([&] { return SafeFileWriter::writeFile(folder.path("new.ign"), "x") ? 0 : 1; }), 1);
    EXPECT_EQ(readFile(folder.path("private.ign")), "private");
    EXPECT_EQ(folder.list(), (std::vector<std::string>{"private.ign", "shared.ign"}));
}

// Temporary files of processes that were killed mid-save are removed: at the
// next save of the same file, or by removeLeftovers. Those of running
// processes, of other files, and names that only look alike stay.
TEST(SafeFileWriter, RemovesTheLeftoversOfKilledProcesses)
{
    TempFolder folder;
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    const std::string dead = std::to_string(gone);
    const std::string alive = std::to_string(::getppid());
    const std::vector<std::string> removed = {".a.ign." + dead + ".12.tmp", ".a.ign." + dead + ".999999.tmp"};
    const std::vector<std::string> kept = {
        ".a.ign." + alive + ".5.tmp", ".b.ign." + dead + ".5.tmp", ".a.ign." + dead + ".tmp",
        ".a.ign." + dead + ".x.tmp",  "a.ign." + dead + ".5.tmp",  ".a.ign." + dead + ".5.tmp.keep",
    };
    for (const auto& name : removed)
        writeFile(folder.path(name), "half");
    for (const auto& name : kept)
        writeFile(folder.path(name), "half");

    LogCapture log;
    ASSERT_TRUE(SafeFileWriter::writeFile(folder.path("a.ign"), "whole"));
    std::vector<std::string> expected = kept;
    expected.push_back("a.ign");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(folder.list(), expected);
    EXPECT_NE(log.dump().find(removed[0]), std::string::npos) << log.dump();

    writeFile(folder.path(".tarvel3." + dead + ".7.tmp"), "half");
    EXPECT_EQ(SafeFileWriter::removeLeftovers(folder.path(), "tarvel3"), 1);
    EXPECT_EQ(folder.list(), expected);
}
