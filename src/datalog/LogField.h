// One channel of a data log: its name and units, how its raw value is stored
// in a record (the MLVLG field types, big-endian) and how the raw value turns
// into the shown one: shown = (raw + transform) x scale, with `digits`
// decimals. A record is the fields' raw values packed back to back in field
// order, exactly as in a binary log's record block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tarvel::datalog {

enum class FieldType : std::uint8_t { U08 = 0, S08 = 1, U16 = 2, S16 = 3, U32 = 4, S32 = 5, S64 = 6, F32 = 7 };

inline constexpr std::uint8_t kFieldTypeCount = 8;

std::size_t fieldSize(FieldType type);

struct LogField {
    std::string name;
    std::string units;
    FieldType type = FieldType::U08;
    std::uint8_t style = 0;  // 0: shown as a number
    float scale = 1.0f;
    float transform = 0.0f;
    std::int8_t digits = 0;
    std::size_t offset = 0;  // of the raw value within a packed record

    // The raw value at `offset` in a packed record, as a double (F32 as its float).
    double raw(const std::uint8_t* record) const;
    double shown(const std::uint8_t* record) const { return (raw(record) + transform) * scale; }
    // Writes the raw value that shows `value`; false, writing nothing, when
    // no raw value of this type shows it (out of range, not a number).
    bool storeShown(double value, std::uint8_t* record) const;
    // Writes a whole raw value of an integer type; false, writing nothing,
    // when it is out of the type's range.
    bool storeWhole(std::int64_t raw, std::uint8_t* record) const;
    // Writes an integer raw value, clamped to the type's range.
    void storeRaw(std::int64_t raw, std::uint8_t* record) const;
    // The shown value as text with `digits` decimals and a dot, whatever
    // the locale.
    void appendShown(std::string& out, const std::uint8_t* record) const;
};

// Sets each field's offset; returns the record length.
std::size_t layOut(std::vector<LogField>& fields);

// Big-endian helpers shared by the formats.
inline void putBe(std::uint8_t* p, std::uint64_t v, std::size_t bytes)
{
    for (std::size_t i = 0; i < bytes; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * (bytes - 1 - i)));
}
inline std::uint64_t getBe(const std::uint8_t* p, std::size_t bytes)
{
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < bytes; ++i)
        v = (v << 8) | p[i];
    return v;
}

}  // namespace tarvel::datalog
