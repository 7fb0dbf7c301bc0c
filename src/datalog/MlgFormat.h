// The binary log, MLVLG format version 1, big-endian:
//   "MLVLG\0", int16 version 1, int32 Unix time of the start, int16 offset of
//   the info text, int32 offset of the first data block, int16 record length,
//   int16 number of fields; 55 bytes per field (uint8 type, name 34, units 10,
//   uint8 display style, float32 scale, float32 transform, int8 digits); the
//   info text, zero terminated; then data blocks: uint8 block type (0 record,
//   1 marker), uint8 rolling counter, uint16 timestamp in 10 us units
//   (wrapping), and either the record's values followed by the sum of their
//   bytes modulo 256, or a 50-byte zero-padded marker text.
#pragma once

#include <cstdint>
#include <span>

#include "datalog/DataLog.h"
#include "datalog/LogEncoder.h"

namespace tarvel::datalog {

inline constexpr std::size_t kMlgHeaderSize = 22;
inline constexpr std::size_t kMlgFieldSize = 55;
inline constexpr std::size_t kMlgNameSize = 34;
inline constexpr std::size_t kMlgUnitsSize = 10;
inline constexpr std::size_t kMlgMarkerSize = 50;
inline constexpr std::size_t kMlgBlockHeaderSize = 4;

class MlgEncoder : public LogEncoder {
public:
    bool header(std::string& out, const LogHeader& header, std::string& error) override;
    void record(std::string& out, std::span<const std::uint8_t> raw, std::uint64_t elapsedUs) override;
    void marker(std::string& out, std::string_view text, std::uint64_t elapsedUs) override;

private:
    void blockHeader(std::string& out, std::uint8_t type, std::uint64_t elapsedUs);
    std::uint8_t counter_ = 0;
};

// Reads a whole binary log. A damaged header gives a log that is not opened;
// damage after it keeps the records before it; records with a wrong sum
// byte are skipped and counted. report.message says what happened.
DataLog readMlg(std::span<const std::uint8_t> bytes);

}  // namespace tarvel::datalog
