// The unit's identification page (page 0): program name and version, build
// date and time, read permission and the parameter format version.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "model/ParamImage.h"

namespace tarvel::link {

struct IdentPage {
    std::array<std::uint8_t, kPageSize> bytes{};

    static constexpr int kReadPermitted = 9;
    static constexpr int kFormatVersion = 10;
    static constexpr int kLongVersion = 16;
    static constexpr int kLongVersionLength = 30;

    void assign(std::span<const std::uint8_t, kPageSize> payload);
    bool readingPermitted() const { return bytes[kReadPermitted] == 1; }
    std::uint8_t formatVersion() const { return bytes[kFormatVersion]; }
};

// The three texts the window shows in LabelVerze1..3.
struct IdentTexts {
    std::string firmware;  // "ABC07", or the long version text
    std::string date;      // "dd.mm.20yy", ten characters
    std::string time;      // "hh:mm"

    bool operator==(const IdentTexts&) const = default;
};

IdentTexts BuildIdentTexts(const IdentPage& page);

// The month code of byte 5: the low byte of the sum of the character codes of
// the English three-letter month name; 1..12, or 0 for an unknown code.
int monthOfCode(std::uint8_t code);
std::uint8_t codeOfMonth(int month);

}  // namespace tarvel::link
