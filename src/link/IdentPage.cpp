#include "link/IdentPage.h"

#include <algorithm>

namespace tarvel::link {

namespace {
constexpr std::array<std::uint8_t, 12> kMonthCodes{25, 13, 32, 35, 39, 45, 43, 29, 40, 38, 51, 12};

// Two decimal digits of a byte; values of 100 and more keep only their last two.
std::string twoDigits(std::uint8_t v)
{
    return {static_cast<char>('0' + (v / 10) % 10), static_cast<char>('0' + v % 10)};
}

// The unit's texts are Windows-1250 bytes; the program's texts are UTF-8.
constexpr std::array<char16_t, 128> kCp1250High{
    0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021, 0xFFFD, 0x2030, 0x0160, 0x2039, 0x015A,
    0x0164, 0x017D, 0x0179, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0xFFFD, 0x2122,
    0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
    0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
    0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

void appendCp1250(std::string& out, std::uint8_t byte)
{
    const char32_t c = byte < 0x80 ? byte : kCp1250High[byte - 0x80];
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}
}  // namespace

void IdentPage::assign(std::span<const std::uint8_t, kPageSize> payload)
{
    std::copy(payload.begin(), payload.end(), bytes.begin());
}

int monthOfCode(std::uint8_t code)
{
    const auto it = std::find(kMonthCodes.begin(), kMonthCodes.end(), code);
    return it == kMonthCodes.end() ? 0 : static_cast<int>(it - kMonthCodes.begin()) + 1;
}

std::uint8_t codeOfMonth(int month)
{
    return month >= 1 && month <= 12 ? kMonthCodes[static_cast<std::size_t>(month - 1)] : 0;
}

IdentTexts BuildIdentTexts(const IdentPage& page)
{
    const auto& b = page.bytes;
    IdentTexts t;
    if (b[IdentPage::kLongVersion] != 0) {
        for (int i = 0; i < IdentPage::kLongVersionLength && b[IdentPage::kLongVersion + i] != 0; ++i)
            appendCp1250(t.firmware, b[IdentPage::kLongVersion + i]);
    } else {
        // A zero byte ends the letters, as it ends any text.
        for (int i = 0; i < 3 && b[i] != 0; ++i)
            appendCp1250(t.firmware, b[i]);
        t.firmware += twoDigits(b[3]);
    }

    std::string day = twoDigits(b[4]);
    if (b[4] < 10)
        day[0] = ' ';
    const int month = monthOfCode(b[5]);
    std::string monthText = month == 0 ? "00" : twoDigits(static_cast<std::uint8_t>(month));
    if (month > 0 && month < 10)
        monthText[0] = ' ';
    t.date = day + "." + monthText + ".20" + twoDigits(b[6]);
    t.time = twoDigits(b[7]) + ":" + twoDigits(b[8]);
    return t;
}

}  // namespace tarvel::link
