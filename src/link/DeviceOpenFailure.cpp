#include "link/DeviceOpenFailure.h"

#include <grp.h>
#include <sys/stat.h>

#include <cerrno>
#include <vector>

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

DeviceOpenFailure DeviceOpenFailure::of(const std::string& devicePath, Step step, int errnoValue)
{
    DeviceOpenFailure failure{.devicePath = devicePath, .step = step, .errnoValue = errnoValue, .owningGroup = {}};
    if (errnoValue != EACCES && errnoValue != EPERM)
        return failure;
    struct stat st {};
    if (::stat(devicePath.c_str(), &st) == 0)
        failure.owningGroup = groupName(st.st_gid);
    return failure;
}

}  // namespace tarvel::link
