#include "ParamImage.h"

#include <cassert>

namespace tarvel {

namespace {
// List position of each preset code 0..31.
constexpr std::array<std::uint8_t, 32> kListPositionOfCode{1,  4,  5,  6,  7,  9,  10, 11, 15, 16, 17,
                                                           18, 19, 20, 21, 22, 24, 25, 26, 27, 28, 29,
                                                           31, 0,  8,  30, 23, 2,  12, 13, 14, 3};
}  // namespace

std::span<std::uint8_t, kPageSize> ParamImage::page(int p)
{
    assert(p == 1 || p == 2);
    return std::span<std::uint8_t, kPageSize>(bytes.data() + kPageSize * (p - 1), kPageSize);
}

std::span<const std::uint8_t, kPageSize> ParamImage::page(int p) const
{
    assert(p == 1 || p == 2);
    return std::span<const std::uint8_t, kPageSize>(bytes.data() + kPageSize * (p - 1), kPageSize);
}

std::optional<int> bikeListPosition(std::uint8_t bikeCode)
{
    if (bikeCode >= kListPositionOfCode.size())
        return std::nullopt;
    return kListPositionOfCode[bikeCode];
}

std::optional<std::uint8_t> bikeCodeAtListPosition(int position)
{
    for (std::size_t code = 0; code < kListPositionOfCode.size(); ++code)
        if (kListPositionOfCode[code] == position)
            return static_cast<std::uint8_t>(code);
    return std::nullopt;
}

int ignitionMultiplePosition(std::uint8_t byte)
{
    return (byte + 3) % 4;  // (byte - 1) mod 4 without going negative
}

std::uint8_t ignitionMultipleByte(int position)
{
    return static_cast<std::uint8_t>(((position % 4) + 5) % 4);
}

}  // namespace tarvel
