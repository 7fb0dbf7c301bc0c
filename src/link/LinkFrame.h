// One 102-byte frame on the serial line: command byte, 100 payload bytes and a
// check byte (the complement of the command XOR-ed with every payload byte, so
// that all 102 bytes of a good frame XOR to 0xFF). The unit answers a request
// with command c by a frame that starts with c XOR 0x80.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "link/TransferMode.h"
#include "model/ParamImage.h"

namespace tarvel::link {

inline constexpr int kFrameSize = 102;
inline constexpr std::uint8_t kMonitorRequest = 0x30;
inline constexpr std::uint8_t kMonitorReply = 0xB0;
inline constexpr std::uint8_t kReplyBit = 0x80;
inline constexpr std::uint8_t kReadBit = 0x40;
inline constexpr std::uint8_t kPageMask = 0x3F;
// Reset marker of a page-0 frame sent to hand the unit to the firmware loader.
inline constexpr int kResetMarkerAt = 13;
inline constexpr std::uint8_t kResetMarker1 = 0xA5;
inline constexpr std::uint8_t kResetMarker2 = 0x0F;

using FrameBytes = std::array<std::uint8_t, kFrameSize>;
using BlockView = std::span<const std::uint8_t, kFrameSize>;

struct LinkFrame {
    FrameBytes bytes{};

    std::uint8_t command() const { return bytes[0]; }
    std::span<std::uint8_t, kPageSize> payload()
    {
        return std::span<std::uint8_t, kPageSize>(bytes.data() + 1, kPageSize);
    }
    std::span<const std::uint8_t, kPageSize> payload() const
    {
        return std::span<const std::uint8_t, kPageSize>(bytes.data() + 1, kPageSize);
    }
    // Writes the check byte over what the command and payload now hold.
    void seal();

    // A page command: the image page named by the low six bits travels as
    // payload unless the mode is Read or the page is 0; a page-0 frame in
    // ResetRelease carries the reset marker.
    static LinkFrame page(std::uint8_t command, TransferMode mode, const ParamImage& image);
    // 0x30, 100 zeros, 0xCF.
    static LinkFrame monitorRequest();
    // A frame with the given command and payload, sealed (used by the unit side).
    static LinkFrame make(std::uint8_t command, std::span<const std::uint8_t> payload);
};

// The check byte for a command and payload.
std::uint8_t checkByte(std::uint8_t command, std::span<const std::uint8_t, kPageSize> payload);

// All 102 bytes XOR to 0xFF.
bool frameCheckGood(BlockView block);

enum class BlockKind : std::uint8_t { Monitor, Reply };

// A block starting with 0xB0 is a monitor frame; anything else is taken as the
// reply to the last page command.
inline BlockKind classifyBlock(BlockView block)
{
    return block[0] == kMonitorReply ? BlockKind::Monitor : BlockKind::Reply;
}

// The reply tests: the page of the last page command is 0..2, the first byte
// is that command XOR 0x80, an operation is running, and (beyond the bare
// first-byte test) the check byte is right, so that a damaged page is never
// taken into the image.
bool replyAccepted(BlockView block, std::uint8_t lastPageCommand, TransferMode mode);

}  // namespace tarvel::link
