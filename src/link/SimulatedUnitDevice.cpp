#include "link/SimulatedUnitDevice.h"

#include <algorithm>
#include <cerrno>

#include "model/LogSink.h"

namespace tarvel::link {

bool SimulatedUnitDevice::open(const std::string& path)
{
    if (!onlyPath.empty() && path != onlyPath) {
        failure_ = DeviceOpenFailure::of(path, refusedStep, refusedErrno);
        error_ = path + ": " + log::errnoText(refusedErrno);
        return false;
    }
    error_.clear();
    failure_ = {};
    open_ = true;
    rx_.clear();
    ++opens;
    return true;
}

void SimulatedUnitDevice::close()
{
    open_ = false;
    rx_.clear();
}

std::optional<std::size_t> SimulatedUnitDevice::queued()
{
    if (!open_)
        return std::nullopt;
    return rx_.size();
}

std::size_t SimulatedUnitDevice::read(std::span<std::uint8_t> into)
{
    const std::size_t n = std::min(into.size(), rx_.size());
    std::copy_n(rx_.begin(), n, into.begin());
    rx_.erase(rx_.begin(), rx_.begin() + static_cast<std::ptrdiff_t>(n));
    return n;
}

bool SimulatedUnitDevice::write(std::span<const std::uint8_t> bytes)
{
    if (!open_)
        return false;
    if (bytes.size() == static_cast<std::size_t>(kFrameSize))
        commands_.push_back(bytes[0]);
    if (unplugged)
        return true;
    const auto out = unit_.receive(bytes, nowMs);
    rx_.insert(rx_.end(), out.begin(), out.end());
    return true;
}

}  // namespace tarvel::link
