#include "SafeFileReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "OwnedLinks.h"
#include "model/LogSink.h"

namespace tarvel {

SafeFileReader::SafeFileReader(const std::string& path)
{
    if (openFile(path))
        buffer_.fd = fd_;
}

bool SafeFileReader::refuse(const std::string& path, const std::string& why)
{
    error_ = path + ": " + why;
    log::write(log::Area::Store, "cannot read " + error_);
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    return false;
}

bool SafeFileReader::openFile(const std::string& path)
{
    const ResolvedPath resolved = ResolveOwnedLinks(path);
    if (!resolved.allowed) {
        error_ = resolved.reason;  // logged by ResolveOwnedLinks
        return false;
    }
    if (!resolved.exists) {
        missing_ = true;
        error_ = path + ": " + log::errnoText(ENOENT);
        log::write(log::Area::Store, "cannot read " + error_);
        return false;
    }
    // Look before opening: opening a device can have effects of its own.
    struct stat st {};
    if (::lstat(resolved.target.c_str(), &st) != 0)
        return refuse(path, log::errnoText(errno));
    if (S_ISDIR(st.st_mode))
        return refuse(path, log::errnoText(EISDIR));
    if (!S_ISREG(st.st_mode))
        return refuse(path, "not a regular file");
    // O_NONBLOCK and O_NOFOLLOW: whatever was put there since, the open returns at once.
    fd_ = ::open(resolved.target.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0)
        return refuse(path, log::errnoText(errno));
    if (::fstat(fd_, &st) != 0)
        return refuse(path, log::errnoText(errno));
    if (!S_ISREG(st.st_mode))
        return refuse(path, "not a regular file");
    if (resolved.viaLink && st.st_uid != ::geteuid())
        return refuse(path, "symbolic link to a file of another user is not followed");
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
    return true;
}

SafeFileReader::~SafeFileReader()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool SafeFileReader::readAll(std::string& bytes)
{
    bytes.clear();
    if (fd_ < 0)
        return false;
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd_, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error_ = "read: " + log::errnoText(errno);
            log::write(log::Area::Store, error_);
            return false;
        }
        if (n == 0)
            return true;
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
}

SafeFileReader::FdBuffer::int_type SafeFileReader::FdBuffer::underflow()
{
    if (gptr() < egptr())
        return traits_type::to_int_type(*gptr());
    if (fd < 0 || failed)
        return traits_type::eof();
    for (;;) {
        const ssize_t n = ::read(fd, data_, sizeof data_);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            failed = true;
            log::write(log::Area::Store, "read: " + log::errnoText(errno));
            return traits_type::eof();
        }
        if (n == 0)
            return traits_type::eof();
        setg(data_, data_, data_ + n);
        return traits_type::to_int_type(*gptr());
    }
}

}  // namespace tarvel
