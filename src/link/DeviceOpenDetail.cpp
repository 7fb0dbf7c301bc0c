#include "link/DeviceOpenDetail.h"

#include <grp.h>
#include <sys/stat.h>

#include <cerrno>
#include <vector>

#include "model/LogSink.h"

namespace tarvel::link {

namespace {

// The name of group `gid`, or its number when the system knows no name.
std::string groupName(gid_t gid)
{
    std::vector<char> buffer(4096);
    group entry{};
    group* found = nullptr;
    while (::getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) == ERANGE && buffer.size() < (1u << 20))
        buffer.resize(buffer.size() * 2);
    return found != nullptr && found->gr_name != nullptr ? std::string(found->gr_name) : std::to_string(gid);
}

}  // namespace

std::string DeviceOpenDetail(const std::string& devicePath, int errnoValue)
{
    std::string detail = devicePath + ": " + log::errnoText(errnoValue);
    if (errnoValue != EACCES && errnoValue != EPERM)
        return detail;
    struct stat st {};
    if (::stat(devicePath.c_str(), &st) != 0)
        return detail;
    const std::string group = groupName(st.st_gid);
    detail += ". The device belongs to the group \"" + group + "\"; the user must be a member of it: sudo usermod -aG " +
              group + " $USER, then log in again.";
    return detail;
}

}  // namespace tarvel::link
