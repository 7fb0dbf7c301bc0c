#include "link/LoaderSocket.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "model/LogSink.h"

namespace tarvel::link {

namespace {
constexpr std::size_t kDatagramSize = 16;

void put64(std::uint8_t* at, std::int64_t v)
{
    const auto u = static_cast<std::uint64_t>(v);
    for (int i = 0; i < 8; ++i)
        at[i] = static_cast<std::uint8_t>(u >> (8 * i));
}

std::int64_t get64(const std::uint8_t* at)
{
    std::uint64_t u = 0;
    for (int i = 0; i < 8; ++i)
        u |= static_cast<std::uint64_t>(at[i]) << (8 * i);
    return static_cast<std::int64_t>(u);
}

bool makeAddress(const std::filesystem::path& path, sockaddr_un& addr, std::string* error)
{
    const std::string s = path.string();
    if (s.empty() || s.size() >= sizeof addr.sun_path) {
        if (error)
            *error = "socket path too long: " + s;
        return false;
    }
    std::memset(&addr, 0, sizeof addr);
    addr.sun_family = AF_UNIX;
    std::memcpy(addr.sun_path, s.c_str(), s.size() + 1);
    return true;
}

std::string errnoText(const std::string& what)
{
    return what + ": " + log::errnoText(errno);
}

// Creates `folder` and its missing parents with mode 0700: on a first run
// without XDG_RUNTIME_DIR the socket goes in the settings folder, which the
// program otherwise only creates when it first saves.
bool createFolder(const std::filesystem::path& folder, std::string& error)
{
    struct stat st {};
    if (folder.empty() || ::stat(folder.c_str(), &st) == 0)
        return true;
    if (errno != ENOENT) {
        error = errnoText(folder.c_str());
        return false;
    }
    if (!createFolder(folder.parent_path(), error))
        return false;
    if (::mkdir(folder.c_str(), S_IRWXU) != 0 && errno != EEXIST) {
        error = errnoText(folder.c_str());
        return false;
    }
    return true;
}

// Someone is bound to the socket file at `addr` right now.
bool somebodyListens(const sockaddr_un& addr)
{
    const int probe = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (probe < 0)
        return false;
    const bool alive = ::connect(probe, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) == 0;
    ::close(probe);
    return alive;
}
}  // namespace

std::filesystem::path loaderSocketPath(const std::filesystem::path& fallbackDir)
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::filesystem::path dir = runtime && *runtime ? std::filesystem::path(runtime) : fallbackDir;
    return dir / "tarvel3-loader";
}

LoaderListener::~LoaderListener()
{
    close();
}

bool LoaderListener::listen(const std::filesystem::path& path)
{
    close();
    const bool listening = bindSocket(path);
    if (!listening)
        log::write(log::Area::Link, "the firmware loader cannot reach this copy: " + error_);
    return listening;
}

bool LoaderListener::bindSocket(const std::filesystem::path& path)
{
    sockaddr_un addr{};
    if (!makeAddress(path, addr, &error_))
        return false;
    if (!createFolder(path.parent_path(), error_))
        return false;
    fd_ = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd_ < 0) {
        error_ = errnoText("socket for " + path.string());
        return false;
    }
    const int on = 1;
    ::setsockopt(fd_, SOL_SOCKET, SO_PASSCRED, &on, sizeof on);

    if (::bind(fd_, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0) {
        const int bindError = errno;
        struct stat st {};
        const bool socketThere = bindError == EADDRINUSE && ::lstat(addr.sun_path, &st) == 0 && S_ISSOCK(st.st_mode);
        const bool taken = socketThere && somebodyListens(addr);
        if (!socketThere || taken || ::unlink(addr.sun_path) != 0 ||
            ::bind(fd_, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0) {
            if (!socketThere || taken)
                errno = bindError;
            error_ = taken ? path.string() + ": the loader socket belongs to another instance of the program, "
                                             "which the firmware loader reaches instead of this one"
                           : errnoText(path.c_str());
            ::close(fd_);
            fd_ = -1;
            return false;
        }
    }
    if (::chmod(addr.sun_path, S_IRUSR | S_IWUSR) != 0)
        log::write(log::Area::Link, errnoText("chmod " + path.string()));
    path_ = path;
    return true;
}

void LoaderListener::close()
{
    if (fd_ < 0)
        return;
    ::close(fd_);
    fd_ = -1;
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
    path_.clear();
}

std::optional<LoaderMessage> LoaderListener::receive()
{
    while (fd_ >= 0) {
        std::uint8_t data[kDatagramSize + 1];
        iovec iov{data, sizeof data};
        alignas(cmsghdr) char control[CMSG_SPACE(sizeof(ucred))];
        msghdr msg{};
        msg.msg_iov = &iov;
        msg.msg_iovlen = 1;
        msg.msg_control = control;
        msg.msg_controllen = sizeof control;
        const ssize_t n = ::recvmsg(fd_, &msg, MSG_DONTWAIT);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno != EAGAIN && errno != EWOULDBLOCK)
                log::write(log::Area::Link, errnoText("receive on " + path_.string()));
            return std::nullopt;  // nothing waiting (or an error: nothing to act on)
        }
        bool sameUser = false;
        for (cmsghdr* c = CMSG_FIRSTHDR(&msg); c; c = CMSG_NXTHDR(&msg, c)) {
            if (c->cmsg_level == SOL_SOCKET && c->cmsg_type == SCM_CREDENTIALS) {
                ucred cred{};
                std::memcpy(&cred, CMSG_DATA(c), sizeof cred);
                sameUser = cred.uid == ::geteuid();
            }
        }
        if (!sameUser || n != static_cast<ssize_t>(kDatagramSize) || (msg.msg_flags & MSG_TRUNC))
            continue;
        return LoaderMessage{get64(data), get64(data + 8)};
    }
    return std::nullopt;
}

bool sendLoaderMessage(const std::filesystem::path& path, LoaderMessage message, std::string* error)
{
    std::string reason;
    sockaddr_un addr{};
    if (!makeAddress(path, addr, &reason)) {
        log::write(log::Area::Link, "cannot send to the running copy: " + reason);
        if (error)
            *error = reason;
        return false;
    }
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        reason = errnoText("socket");
        log::write(log::Area::Link, "cannot send to the running copy: " + reason);
        if (error)
            *error = reason;
        return false;
    }
    std::uint8_t data[kDatagramSize];
    put64(data, message.wparam);
    put64(data + 8, message.lparam);
    const bool sent = ::sendto(fd, data, sizeof data, 0, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) ==
                      static_cast<ssize_t>(sizeof data);
    if (!sent) {
        reason = errnoText(path.string());
        log::write(log::Area::Link, "cannot send to the running copy: " + reason);
        if (error)
            *error = reason;
    }
    ::close(fd);
    return sent;
}

}  // namespace tarvel::link
