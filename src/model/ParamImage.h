// The unit's complete parameter set: a 100-byte configuration page followed by
// a 100-byte advance-map page, each field one unsigned byte in device units,
// and seven spare bytes that travel only with whole-block copies (undo
// snapshots, the state dump).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace tarvel {

inline constexpr int kPageSize = 100;
inline constexpr int kImageSize = 200;
inline constexpr int kSpareSize = 7;
inline constexpr int kBlockSize = kImageSize + kSpareSize;  // 207
inline constexpr std::uint8_t kParamVersion = 48;

// Throttle openings (percent) of the ten rows of the advance map.
inline constexpr std::array<std::uint8_t, 10> kTpsBreakpoints{0, 2, 5, 10, 20, 30, 40, 60, 80, 100};

// Preset code of the manual keying ("Special setting").
inline constexpr std::uint8_t kSpecialBikeCode = 22;

// Byte offsets of every field within the 200-byte image. Array fields give the
// offset of element 0; elements follow at consecutive bytes.
namespace fld {
inline constexpr int bikeCode = 0;
inline constexpr int noReading = 1;
inline constexpr int syncMode = 2;
inline constexpr int lobeCount = 3;
inline constexpr int channelCount = 4;
inline constexpr int ignitionMultiple = 5;
inline constexpr int invertInput1 = 6;
inline constexpr int pilotLight = 7;
inline constexpr int invertInput2 = 8;
inline constexpr int baseAdvance = 9;
inline constexpr int revsWithoutIgnition = 10;
inline constexpr int tachoPulses = 11;
inline constexpr int tachoCorrection = 12;
inline constexpr int limiter = 13;
inline constexpr int reserved14 = 14;
inline constexpr int excitationLong = 15;
inline constexpr int servoEnable = 16;
inline constexpr int servoHysteresis = 17;
inline constexpr int startLimiterMin = 18;
inline constexpr int startLimiterMax = 19;
inline constexpr int tps0 = 20;
inline constexpr int tps100 = 21;
inline constexpr int tpsMap = 22;
inline constexpr int compensation = 23;  // [4]
inline constexpr int clutchTime = 27;
inline constexpr int clutchPause = 28;
inline constexpr int startLimiterDelay = 29;
inline constexpr int maxAdvLobe = 30;       // [4]
inline constexpr int startAdvLobe = 34;     // [4]
inline constexpr int maxAdvEdge2 = 38;      // [4]
inline constexpr int startAdvEdge2 = 42;    // [4]
inline constexpr int maxAdvPickup2 = 46;    // [4]
inline constexpr int startAdvPickup2 = 50;  // [4]
inline constexpr int closingActive = 54;
inline constexpr int reserved55 = 55;  // [3]
inline constexpr int n2oRpmMin = 58;
inline constexpr int n2oTpsMin = 59;
inline constexpr int n2oRepeat = 60;
inline constexpr int n2oEnable = 61;
inline constexpr int gas1 = 62;
inline constexpr int gas2 = 63;
inline constexpr int gasBuildUp = 64;
inline constexpr int gasDelay = 65;
inline constexpr int retard1 = 66;
inline constexpr int retard2 = 67;
inline constexpr int retardBuildUp = 68;
inline constexpr int retardDelay = 69;
inline constexpr int servoRpm = 70;  // [10]
inline constexpr int servoMv = 80;   // [10]
inline constexpr int mapRpm = 90;    // [10]
inline constexpr int advance = 100;  // [10][10], row (throttle) after row
}  // namespace fld

struct ParamImage {
    // Image bytes 0..199 followed by the seven spare bytes.
    std::array<std::uint8_t, kBlockSize> bytes{};

    std::uint8_t& operator[](int offset) { return bytes[static_cast<std::size_t>(offset)]; }
    std::uint8_t operator[](int offset) const { return bytes[static_cast<std::size_t>(offset)]; }

    // Cell of the advance map at throttle row t and speed column r (0..9 each).
    std::uint8_t& advance(int t, int r) { return (*this)[fld::advance + 10 * t + r]; }
    std::uint8_t advance(int t, int r) const { return (*this)[fld::advance + 10 * t + r]; }

    // Page 1 (configuration) or 2 (advance map) as the 100 bytes sent on the line.
    std::span<std::uint8_t, kPageSize> page(int p);
    std::span<const std::uint8_t, kPageSize> page(int p) const;

    std::span<std::uint8_t, kSpareSize> spare() { return std::span<std::uint8_t, kSpareSize>(bytes.data() + kImageSize, kSpareSize); }
    std::span<const std::uint8_t, kSpareSize> spare() const { return std::span<const std::uint8_t, kSpareSize>(bytes.data() + kImageSize, kSpareSize); }

    bool operator==(const ParamImage&) const = default;
};

// The preset list shows the 32 keying presets in an order of its own.
// Both conversions give nothing for a value outside 0..31.
std::optional<int> bikeListPosition(std::uint8_t bikeCode);
std::optional<std::uint8_t> bikeCodeAtListPosition(int position);

// Ignitions per revolution: list position = (byte - 1) mod 4 and back.
int ignitionMultiplePosition(std::uint8_t byte);
std::uint8_t ignitionMultipleByte(int position);

}  // namespace tarvel
