#include "OwnedLinks.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "model/LogSink.h"

namespace tarvel {

namespace {

constexpr int kMaxLinkHops = 40;

std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

ResolvedPath refuse(ResolvedPath r, const std::string& path, const std::string& why)
{
    r.allowed = false;
    r.reason = path + ": " + why;
    log::write(log::Area::Store, "refused " + r.reason);
    return r;
}

}  // namespace

ResolvedPath ResolveOwnedLinks(const std::string& path)
{
    ResolvedPath r;
    r.target = path;
    const uid_t me = ::geteuid();
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(r.target.c_str(), &st) != 0) {
            const int error = errno;
            if (error == ENOENT && !r.viaLink) {
                r.allowed = true;
                return r;
            }
            if (error == ENOENT)
                return refuse(r, path, "symbolic link to a missing file " + r.target + " is not followed");
            return refuse(r, path, log::errnoText(error));
        }
        if (!S_ISLNK(st.st_mode)) {
            r.exists = true;
            if (!r.viaLink) {
                r.allowed = true;
                return r;
            }
            if (!S_ISREG(st.st_mode))
                return refuse(r, path, "symbolic link to " + r.target + ", which is not a regular file, is not followed");
            if (st.st_uid != me)
                return refuse(r, path,
                              "symbolic link to " + r.target + ", which belongs to another user, is not followed");
            r.allowed = true;
            return r;
        }
        if (st.st_uid != me)
            return refuse(r, path, "symbolic link " + r.target + " belongs to another user and is not followed");
        std::string link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
        const ssize_t n = ::readlink(r.target.c_str(), link.data(), link.size());
        if (n < 0)
            return refuse(r, path, log::errnoText(errno));
        if (static_cast<std::size_t>(n) >= link.size())  // it grew since lstat
            return refuse(r, path, log::errnoText(ENAMETOOLONG));
        link.resize(static_cast<std::size_t>(n));
        r.target = (!link.empty() && link.front() == '/') ? link : folderOf(r.target) + "/" + link;
        r.viaLink = true;
    }
    return refuse(r, path, log::errnoText(ELOOP));
}

}  // namespace tarvel
