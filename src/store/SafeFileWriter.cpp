#include "SafeFileWriter.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>

#include "OwnedLinks.h"
#include "model/LogSink.h"

namespace tarvel {

namespace {

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

bool allDigits(std::string_view s)
{
    if (s.empty() || s.size() > 18)
        return false;
    for (char c : s)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// The process id in ".<name>.<pid>.<n>.tmp", or 0 when `entry` is not such a name.
pid_t leftoverOwner(std::string_view entry, const std::string& name)
{
    const std::string prefix = "." + name + ".";
    constexpr std::string_view suffix = ".tmp";
    if (entry.size() <= prefix.size() + suffix.size() || !entry.starts_with(prefix) || !entry.ends_with(suffix))
        return 0;
    entry.remove_prefix(prefix.size());
    entry.remove_suffix(suffix.size());
    const auto dot = entry.find('.');
    if (dot == std::string_view::npos || !allDigits(entry.substr(0, dot)) || !allDigits(entry.substr(dot + 1)))
        return 0;
    long long pid = 0;
    for (char c : entry.substr(0, dot))
        pid = pid * 10 + (c - '0');
    return pid > 0 && pid <= 0x7fffffff ? static_cast<pid_t>(pid) : 0;
}

}  // namespace

SafeFileWriter::SafeFileWriter(std::string path) : path_(std::move(path)) {}

SafeFileWriter::~SafeFileWriter()
{
    discard();
}

bool SafeFileWriter::fail(const std::string& what, int errnoValue)
{
    return fail(what + ": " + log::errnoText(errnoValue));
}

bool SafeFileWriter::fail(const std::string& message)
{
    failed_ = true;
    error_ = message;
    log::write(log::Area::Store, "cannot write " + path_ + " (" + error_ + ")");
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
    pending_.clear();
}

bool SafeFileWriter::open()
{
    if (failed_ || fd_ >= 0)
        return fail(path_, EINVAL);
    if (path_.empty())
        return fail(path_, ENOENT);
    const ResolvedPath resolved = ResolveOwnedLinks(path_);
    target_ = resolved.target;
    if (!resolved.allowed)
        return fail(resolved.reason);

    // lstat: the target was resolved; a link put in its place since is no regular file.
    struct stat existing {};
    const bool exists = ::lstat(target_.c_str(), &existing) == 0;
    if (exists) {
        if (S_ISDIR(existing.st_mode))
            return fail(path_, EISDIR);
        // Renaming over a device or a pipe would replace it, not write to it.
        if (!S_ISREG(existing.st_mode))
            return fail(path_ + ": not a regular file");
        if ((existing.st_mode & kAnyWrite) == 0)
            return fail(path_, EACCES);
        const int probe = ::open(target_.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
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
    int folderError = 0;
    if ((dir.st_mode & kAnyWrite) == 0)
        folderError = EACCES;
    else if (::access(folder.c_str(), W_OK | X_OK) != 0)
        folderError = errno;
    if (folderError != 0) {
        // No new file can go there; a file the user may write can still be rewritten.
        if (exists && (folderError == EACCES || folderError == EPERM) && openInPlace())
            return true;
        return fail(folder, folderError);
    }

    removeLeftovers(folder, nameOf(target_));
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

bool SafeFileWriter::openInPlace()
{
    struct stat before {};
    if (::lstat(target_.c_str(), &before) != 0 || !S_ISREG(before.st_mode))
        return false;
    const int fd = ::open(target_.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_dev != before.st_dev ||
        opened.st_ino != before.st_ino) {
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    fd_ = fd;
    inPlace_ = true;
    log::write(log::Area::Store, folderOf(target_) + " takes no new file: rewriting " + target_ + " in place");
    return true;
}

bool SafeFileWriter::write(std::string_view bytes)
{
    if (failed_ || fd_ < 0)
        return failed_ ? false : fail(path_, EBADF);
    if (inPlace_) {
        pending_.append(bytes);
        return true;
    }
    if (!writeAll(fd_, bytes))
        return fail(target_, errno);
    return true;
}

bool SafeFileWriter::commitInPlace()
{
    // Room first: a full disk or a size limit then fails before a byte of the
    // old content is overwritten.
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        return fail(target_, errno);
    const auto size = static_cast<off_t>(pending_.size());
    if (size > st.st_size) {
        const int reserved = ::posix_fallocate(fd_, 0, size);
        if (reserved == ENOSPC || reserved == EFBIG || reserved == EDQUOT)
            return fail(target_, reserved);
    }
    std::string_view rest = pending_;
    off_t at = 0;
    while (!rest.empty()) {
        const ssize_t n = ::pwrite(fd_, rest.data(), rest.size(), at);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail(target_, errno);
        rest.remove_prefix(static_cast<std::size_t>(n));
        at += n;
    }
    if (::ftruncate(fd_, size) != 0 || ::fsync(fd_) != 0)
        return fail(target_, errno);
    const int fd = fd_;
    fd_ = -1;
    pending_.clear();
    if (::close(fd) != 0)
        return fail(target_, errno);
    return true;
}

bool SafeFileWriter::commit()
{
    if (failed_ || fd_ < 0)
        return failed_ ? false : fail(path_, EBADF);
    if (inPlace_)
        return commitInPlace();
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

int SafeFileWriter::removeLeftovers(const std::string& folder, const std::string& name)
{
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return 0;
    int removed = 0;
    const uid_t me = ::geteuid();
    while (const dirent* entry = ::readdir(dir)) {
        const pid_t owner = leftoverOwner(entry->d_name, name);
        if (owner == 0 || owner == ::getpid())
            continue;
        // Only a process that is gone: a running one may be writing it now.
        if (::kill(owner, 0) == 0 || errno != ESRCH)
            continue;
        const std::string path = folder + "/" + entry->d_name;
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != me)
            continue;
        if (::unlink(path.c_str()) == 0) {
            ++removed;
            log::write(log::Area::Store, "removed " + path + ", left by process " + std::to_string(owner));
        }
    }
    ::closedir(dir);
    return removed;
}

}  // namespace tarvel
