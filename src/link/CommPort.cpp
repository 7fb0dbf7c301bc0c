#include "link/CommPort.h"

#include <algorithm>

namespace tarvel::link {

CommPort::OpenResult CommPort::open()
{
    if (!attached_)
        return OpenResult::NotAttached;
    return device_.open(devicePath()) ? OpenResult::Opened : OpenResult::Failed;
}

void CommPort::close()
{
    if (device_.isOpen())
        device_.close();
}

void CommPort::detach()
{
    if (attached_) {
        attached_ = false;
        close();
    }
}

std::optional<BlockView> CommPort::poll()
{
    if (!attached_ || !device_.isOpen())
        return std::nullopt;
    const auto waiting = device_.queued();
    if (!waiting || *waiting < static_cast<std::size_t>(kFrameSize))
        return std::nullopt;
    const std::size_t want = std::min(*waiting, receive_.size());
    const std::size_t got = device_.read(std::span<std::uint8_t>(receive_.data(), want));
    if (got < static_cast<std::size_t>(kFrameSize))
        return std::nullopt;
    return BlockView(receive_.data(), kFrameSize);
}

bool CommPort::send(const LinkFrame& frame)
{
    if (!attached_ || !device_.isOpen())
        return false;
    return device_.write(frame.bytes);
}

}  // namespace tarvel::link
