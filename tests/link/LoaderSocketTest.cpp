#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "link/LoaderSocket.h"
#include "model/LogSink.h"

using namespace tarvel::link;
namespace fs = std::filesystem;

namespace {
class LoaderSocketTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("tarvel-loader-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        path = dir / "tarvel3-loader";
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir, path;
};
}  // namespace

TEST_F(LoaderSocketTest, MessagesArriveInOrderAndOnlyForTheOwner)
{
    LoaderListener listener;
    ASSERT_TRUE(listener.listen(path)) << listener.error();
    EXPECT_GE(listener.fd(), 0);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    EXPECT_FALSE(listener.receive());
    ASSERT_TRUE(sendLoaderMessage(path, {3, kLoaderResetRelease}));
    ASSERT_TRUE(sendLoaderMessage(path, {-1, 0x123456789LL}));
    auto a = listener.receive();
    auto b = listener.receive();
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->wparam, 3);
    EXPECT_EQ(a->lparam, kLoaderResetRelease);
    EXPECT_EQ(b->wparam, -1);
    EXPECT_EQ(b->lparam, 0x123456789LL);
    EXPECT_FALSE(listener.receive());
}

TEST_F(LoaderSocketTest, DatagramsOfTheWrongSizeAreDropped)
{
    LoaderListener listener;
    ASSERT_TRUE(listener.listen(path));
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strcpy(addr.sun_path, path.c_str());
    const char junk[] = "not sixteen";
    ::sendto(fd, junk, sizeof junk, 0, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    ::close(fd);
    ASSERT_TRUE(sendLoaderMessage(path, {5, kLoaderGiveBack}));
    const auto m = listener.receive();
    ASSERT_TRUE(m);
    EXPECT_EQ(m->wparam, 5);
}

TEST_F(LoaderSocketTest, StaleSocketIsReplacedButALiveOneIsNot)
{
    {
        LoaderListener first;
        ASSERT_TRUE(first.listen(path));
        std::string logged;
        tarvel::log::setSink([&](tarvel::log::Area, std::string_view line) { logged += line; });
        LoaderListener second;
        EXPECT_FALSE(second.listen(path));
        tarvel::log::setSink({});
        EXPECT_NE(second.error().find("belongs to another instance"), std::string::npos) << second.error();
        EXPECT_NE(logged.find(second.error()), std::string::npos) << logged;
    }
    // A program that died leaves its socket file behind: bind one and close it
    // without removing the file.
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strcpy(addr.sun_path, path.c_str());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ::close(fd);
    ASSERT_TRUE(fs::exists(path));
    LoaderListener listener;
    EXPECT_TRUE(listener.listen(path)) << listener.error();
    EXPECT_TRUE(sendLoaderMessage(path, {1, 2}));
    EXPECT_TRUE(listener.receive());
}

TEST_F(LoaderSocketTest, NobodyListeningIsReported)
{
    std::string error;
    EXPECT_FALSE(sendLoaderMessage(path, {1, 2}, &error));
    EXPECT_FALSE(error.empty());
}

TEST(LoaderSocketPath, RuntimeFolderFirstThenTheGivenFolder)
{
    const char* old = std::getenv("XDG_RUNTIME_DIR");
    const std::string saved = old ? old : "";
    ::setenv("XDG_RUNTIME_DIR", "/run/user/1234", 1);
    EXPECT_EQ(loaderSocketPath("/home/x/.config/tarvel3"), fs::path("/run/user/1234/tarvel3-loader"));
    ::setenv("XDG_RUNTIME_DIR", "", 1);
    EXPECT_EQ(loaderSocketPath("/home/x/.config/tarvel3"), fs::path("/home/x/.config/tarvel3/tarvel3-loader"));
    if (old)
        ::setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
    else
        ::unsetenv("XDG_RUNTIME_DIR");
}

// On a first run without XDG_RUNTIME_DIR the socket goes in the settings
// folder, which does not exist yet: it is created, private to the user.
TEST_F(LoaderSocketTest, AMissingFolderIsCreatedPrivate)
{
    const fs::path nested = dir / "config" / "tarvel3" / "tarvel3-loader";
    LoaderListener listener;
    ASSERT_TRUE(listener.listen(nested)) << listener.error();
    for (const fs::path& folder : {dir / "config", dir / "config" / "tarvel3"}) {
        struct stat st {};
        ASSERT_EQ(::stat(folder.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u) << folder;
    }
    ASSERT_TRUE(sendLoaderMessage(nested, {2, kLoaderRelease}));
    EXPECT_TRUE(listener.receive());

    // A file where the folder should be: refused with the reason.
    std::FILE* blocker = std::fopen((dir / "file").c_str(), "w");
    std::fclose(blocker);
    LoaderListener blocked;
    EXPECT_FALSE(blocked.listen(dir / "file" / "tarvel3-loader"));
    EXPECT_FALSE(blocked.error().empty());
    // A file that is no socket in the socket's place: the reason, not another instance.
    LoaderListener notASocket;
    EXPECT_FALSE(notASocket.listen(dir / "file"));
    EXPECT_EQ(notASocket.error(), (dir / "file").string() + ": Address already in use");
}
