// Background colours the link asks the window to give its labels. Normal is
// the button-face colour, Window the edit-box background; Default means
// "leave the design-time colour alone".
#pragma once

#include <cstdint>

namespace tarvel::link {

enum class LinkColour : std::uint8_t { Default, Normal, Window, White, Red, Yellow, Lime, Aqua, Fuchsia };

struct Rgb {
    std::uint8_t r, g, b;
};

// The fixed colours; Default, Normal and Window are the platform's and have none.
constexpr Rgb rgbOf(LinkColour c)
{
    switch (c) {
        case LinkColour::White:
            return {255, 255, 255};
        case LinkColour::Red:
            return {255, 0, 0};
        case LinkColour::Yellow:
            return {255, 255, 0};
        case LinkColour::Lime:
            return {0, 255, 0};
        case LinkColour::Aqua:
            return {0, 255, 255};
        case LinkColour::Fuchsia:
            return {255, 0, 255};
        default:
            return {0, 0, 0};
    }
}

}  // namespace tarvel::link
