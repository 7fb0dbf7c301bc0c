#include "link/PortTable.h"

#include <cctype>

namespace tarvel::link {

std::string PortTable::builtInPath(int n)
{
    if (n >= 1 && n <= 4)
        return "/dev/ttyS" + std::to_string(n - 1);
    if (n >= 5 && n <= 12)
        return "/dev/ttyUSB" + std::to_string(n - 5);
    if (n >= 13 && n <= 20)
        return "/dev/ttyACM" + std::to_string(n - 13);
    return {};
}

std::string PortTable::devicePath(int n) const
{
    if (n >= 1 && n <= kPortCount && !overrides_[static_cast<std::size_t>(n - 1)].empty())
        return overrides_[static_cast<std::size_t>(n - 1)];
    return builtInPath(n);
}

void PortTable::setOverride(int n, std::string path)
{
    if (n >= 1 && n <= kPortCount)
        overrides_[static_cast<std::size_t>(n - 1)] = std::move(path);
}

void PortTable::clearOverrides()
{
    overrides_ = {};
}

void PortTable::loadOverrides(const std::function<std::optional<std::string>(const std::string& key)>& lookup)
{
    for (int n = 1; n <= kPortCount; ++n) {
        const auto path = lookup("COM" + std::to_string(n));
        if (path && !path->empty())
            setOverride(n, *path);
    }
}

std::optional<int> PortTable::portNumber(std::string_view name)
{
    if (name.size() < 4 || name.size() > 5)
        return std::nullopt;
    for (int i = 0; i < 3; ++i)
        if (std::toupper(static_cast<unsigned char>(name[static_cast<std::size_t>(i)])) != "COM"[i])
            return std::nullopt;
    int n = 0;
    for (char c : name.substr(3)) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (name[3] == '0' || n < 1 || n > kPortCount)
        return std::nullopt;
    return n;
}

std::string PortTable::resolve(std::string_view portOrPath) const
{
    if (auto n = portNumber(portOrPath))
        return devicePath(*n);
    return std::string(portOrPath);
}

}  // namespace tarvel::link
