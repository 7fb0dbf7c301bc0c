#include "SafeFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

namespace tarvel {

namespace {

constexpr int kMaxLinkHops = 40;
constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Follows symbolic links to the file that is really written. A link that
// points nowhere yet gives the path where the file will be created.
bool resolveTarget(const std::string& path, std::string& target, int& error)
{
    target = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0) {
            if (errno == ENOENT)
                return true;
            error = errno;
            return false;
        }
        if (!S_ISLNK(st.st_mode))
            return true;
        std::string link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
        const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
        if (n < 0) {
            error = errno;
            return false;
        }
        link.resize(static_cast<std::size_t>(n));
        target = (!link.empty() && link.front() == '/') ? link : folderOf(target) + "/" + link;
    }
    error = ELOOP;
    return false;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

SafeFileWriter::SafeFileWriter(std::string path) : path_(std::move(path)) {}

SafeFileWriter::~SafeFileWriter()
{
    discard();
}

bool SafeFileWriter::fail(const std::string& what, int errnoValue)
{
    failed_ = true;
    error_ = what + ": " + std::strerror(errnoValue);
    discard();
    return false;
}

void SafeFileWriter::discard()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        temp_.clear();
    }
}

bool SafeFileWriter::open()
{
    if (failed_ || fd_ >= 0)
        return fail(path_, EINVAL);
    if (path_.empty())
        return fail(path_, ENOENT);
    int error = 0;
    if (!resolveTarget(path_, target_, error))
        return fail(path_, error);

    struct stat existing {};
    const bool exists = ::stat(target_.c_str(), &existing) == 0;
    if (exists) {
        if (S_ISDIR(existing.st_mode))
            return fail(path_, EISDIR);
        // Renaming over a device or a pipe would replace it, not write to it.
        if (!S_ISREG(existing.st_mode))
            return fail(path_, EINVAL);
        if ((existing.st_mode & kAnyWrite) == 0)
            return fail(path_, EACCES);
        const int probe = ::open(target_.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (probe < 0)
            return fail(path_, errno);
        ::close(probe);
    } else if (errno != ENOENT) {
        return fail(path_, errno);
    }

    const std::string folder = folderOf(target_);
    struct stat dir {};
    if (::stat(folder.c_str(), &dir) != 0)
        return fail(folder, errno);
    if (!S_ISDIR(dir.st_mode))
        return fail(folder, ENOTDIR);
    if ((dir.st_mode & kAnyWrite) == 0)
        return fail(folder, EACCES);
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return fail(folder, errno);

    // The name is hidden and unique; O_EXCL never reuses a file that is there.
    std::random_device entropy;
    std::mt19937 generator(entropy());
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        const std::string name = folder + "/." + nameOf(target_) + "." + std::to_string(::getpid()) + "." +
                                 std::to_string(generator() % 1000000) + ".tmp";
        fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
        if (fd_ >= 0)
            temp_ = name;
        else if (errno != EEXIST)
            return fail(folder, errno);
    }
    if (fd_ < 0)
        return fail(folder, EEXIST);
    if (exists) {
        // Best effort: the replacement keeps the mode and, where allowed, the owner.
        ::fchmod(fd_, existing.st_mode & 07777);
        [[maybe_unused]] const int chowned = ::fchown(fd_, existing.st_uid, existing.st_gid);
    }
    return true;
}

bool SafeFileWriter::write(std::string_view bytes)
{
    if (failed_ || fd_ < 0)
        return failed_ ? false : fail(path_, EBADF);
    if (!writeAll(fd_, bytes))
        return fail(target_, errno);
    return true;
}

bool SafeFileWriter::commit()
{
    if (failed_ || fd_ < 0)
        return failed_ ? false : fail(path_, EBADF);
    if (::fsync(fd_) != 0)
        return fail(target_, errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        return fail(target_, errno);
    if (::rename(temp_.c_str(), target_.c_str()) != 0)
        return fail(target_, errno);
    temp_.clear();
    // Make the rename itself durable; the new content is complete either way.
    const int dir = ::open(folderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool SafeFileWriter::writeFile(const std::string& path, std::string_view bytes, std::string* error)
{
    SafeFileWriter file(path);
    const bool ok = file.open() && file.write(bytes) && file.commit();
    if (!ok && error != nullptr)
        *error = file.error();
    return ok;
}

}  // namespace tarvel
