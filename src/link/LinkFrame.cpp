#include "link/LinkFrame.h"

#include <algorithm>

namespace tarvel::link {

std::uint8_t checkByte(std::uint8_t command, std::span<const std::uint8_t, kPageSize> payload)
{
    std::uint8_t check = static_cast<std::uint8_t>(~command);
    for (std::uint8_t b : payload)
        check ^= b;
    return check;
}

bool frameCheckGood(BlockView block)
{
    std::uint8_t x = 0xFF;
    for (std::uint8_t b : block)
        x ^= b;
    return x == 0;
}

void LinkFrame::seal()
{
    bytes[kFrameSize - 1] = checkByte(bytes[0], payload());
}

LinkFrame LinkFrame::page(std::uint8_t command, TransferMode mode, const ParamImage& image)
{
    LinkFrame f;
    f.bytes[0] = command;
    const int pageNo = command & kPageMask;
    if (mode != TransferMode::Read && (pageNo == 1 || pageNo == 2)) {
        const auto src = image.page(pageNo);
        std::copy(src.begin(), src.end(), f.bytes.begin() + 1);
    }
    if (mode == TransferMode::ResetRelease && pageNo == 0) {
        f.bytes[kResetMarkerAt] = kResetMarker1;
        f.bytes[kResetMarkerAt + 1] = kResetMarker2;
    }
    f.seal();
    return f;
}

LinkFrame LinkFrame::monitorRequest()
{
    LinkFrame f;
    f.bytes[0] = kMonitorRequest;
    f.seal();
    return f;
}

LinkFrame LinkFrame::make(std::uint8_t command, std::span<const std::uint8_t> payload)
{
    LinkFrame f;
    f.bytes[0] = command;
    std::copy_n(payload.begin(), std::min<std::size_t>(payload.size(), kPageSize), f.bytes.begin() + 1);
    f.seal();
    return f;
}

bool replyAccepted(BlockView block, std::uint8_t lastPageCommand, TransferMode mode)
{
    if ((lastPageCommand & kPageMask) > 2)
        return false;
    if (block[0] != (lastPageCommand ^ kReplyBit) || mode == TransferMode::Idle)
        return false;
    return frameCheckGood(block);
}

}  // namespace tarvel::link
