#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

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

    for (const char* name : {"readonly.ign", "locked/inside.ign", "locked/new.ign", "folder.ign", "missing/x.ign"}) {
        SafeFileWriter file(folder.path(name));
        EXPECT_FALSE(file.open()) << name;
        EXPECT_FALSE(file.error().empty()) << name;
        EXPECT_FALSE(file.write("x")) << name;
        EXPECT_FALSE(file.commit()) << name;
    }
    EXPECT_EQ(readFile(folder.path("readonly.ign")), "keep");
    EXPECT_EQ(readFile(folder.path("locked/inside.ign")), "keep");
    EXPECT_EQ(folder.list(), (std::vector<std::string>{"folder.ign", "locked", "readonly.ign"}));
    EXPECT_EQ(folder.list("locked"), std::vector<std::string>{"inside.ign"});
    EXPECT_TRUE(folder.list("folder.ign").empty());
}

TEST(SafeFileWriter, RefusesDevices)
{
    SafeFileWriter file("/dev/null");
    EXPECT_FALSE(file.open());
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST(SafeFileWriter, WritesThroughSymbolicLinks)
{
    TempFolder folder;
    fs::create_directory(folder.path("real"));
    writeFile(folder.path("real/a.ign"), "old");
    fs::create_symlink("real/a.ign", folder.path("relative"));
    fs::create_symlink(folder.path("relative"), folder.path("chain"));
    fs::create_symlink("real/b.ign", folder.path("dangling"));

    SafeFileWriter viaChain(folder.path("chain"));
    ASSERT_TRUE(viaChain.open()) << viaChain.error();
    EXPECT_EQ(viaChain.target(), folder.path("real/a.ign"));
    ASSERT_TRUE(viaChain.write("new") && viaChain.commit());
    ASSERT_TRUE(SafeFileWriter::writeFile(folder.path("dangling"), "created"));

    EXPECT_TRUE(fs::is_symlink(folder.path("relative")));
    EXPECT_TRUE(fs::is_symlink(folder.path("chain")));
    EXPECT_TRUE(fs::is_symlink(folder.path("dangling")));
    EXPECT_EQ(readFile(folder.path("real/a.ign")), "new");
    EXPECT_EQ(readFile(folder.path("real/b.ign")), "created");
    EXPECT_EQ(folder.list("real"), (std::vector<std::string>{"a.ign", "b.ign"}));
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
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ::setrlimit(RLIMIT_FSIZE, &small);

    SafeFileWriter file(folder.path("a.ign"));
    const bool opened = file.open();
    const bool written = file.write(std::string(5000, 'x'));
    const bool committed = file.commit();

    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
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
