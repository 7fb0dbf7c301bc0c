#include "datalog/LogField.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>

namespace tarvel::datalog {

std::size_t fieldSize(FieldType type)
{
    switch (type) {
    case FieldType::U08:
    case FieldType::S08: return 1;
    case FieldType::U16:
    case FieldType::S16: return 2;
    case FieldType::U32:
    case FieldType::S32:
    case FieldType::F32: return 4;
    case FieldType::S64: return 8;
    }
    return 0;
}

namespace {

struct Range {
    double lo;
    double hi;
};

Range rangeOf(FieldType type)
{
    switch (type) {
    case FieldType::U08: return {0, 255};
    case FieldType::S08: return {-128, 127};
    case FieldType::U16: return {0, 65535};
    case FieldType::S16: return {-32768, 32767};
    case FieldType::U32: return {0, 4294967295.0};
    case FieldType::S32: return {-2147483648.0, 2147483647.0};
    // Beyond 2^53 a double holds no exact integer anyway.
    case FieldType::S64: return {-9007199254740992.0, 9007199254740992.0};
    case FieldType::F32: return {-std::numeric_limits<float>::max(), std::numeric_limits<float>::max()};
    }
    return {0, 0};
}

}  // namespace

double LogField::raw(const std::uint8_t* record) const
{
    const std::uint8_t* p = record + offset;
    switch (type) {
    case FieldType::U08: return p[0];
    case FieldType::S08: return static_cast<std::int8_t>(p[0]);
    case FieldType::U16: return static_cast<double>(getBe(p, 2));
    case FieldType::S16: return static_cast<std::int16_t>(getBe(p, 2));
    case FieldType::U32: return static_cast<double>(getBe(p, 4));
    case FieldType::S32: return static_cast<std::int32_t>(getBe(p, 4));
    case FieldType::S64: return static_cast<double>(static_cast<std::int64_t>(getBe(p, 8)));
    case FieldType::F32: return std::bit_cast<float>(static_cast<std::uint32_t>(getBe(p, 4)));
    }
    return 0;
}

bool LogField::storeShown(double value, std::uint8_t* record) const
{
    if (!std::isfinite(value) || scale == 0.0f || !std::isfinite(scale) || !std::isfinite(transform))
        return false;
    const double r = value / static_cast<double>(scale) - static_cast<double>(transform);
    const Range range = rangeOf(type);
    if (type == FieldType::F32) {
        if (!(r >= range.lo && r <= range.hi))
            return false;
        putBe(record + offset, std::bit_cast<std::uint32_t>(static_cast<float>(r)), 4);
        return true;
    }
    const double rounded = std::nearbyint(r);
    if (!(rounded >= range.lo && rounded <= range.hi))
        return false;
    storeRaw(static_cast<std::int64_t>(rounded), record);
    return true;
}

bool LogField::storeWhole(std::int64_t raw, std::uint8_t* record) const
{
    const Range range = rangeOf(type);
    if (type == FieldType::F32 || static_cast<double>(raw) < range.lo || static_cast<double>(raw) > range.hi)
        return false;
    putBe(record + offset, static_cast<std::uint64_t>(raw), fieldSize(type));
    return true;
}

void LogField::storeRaw(std::int64_t raw, std::uint8_t* record) const
{
    const Range range = rangeOf(type);
    if (type == FieldType::F32) {
        putBe(record + offset, std::bit_cast<std::uint32_t>(static_cast<float>(raw)), 4);
        return;
    }
    if (static_cast<double>(raw) < range.lo)
        raw = static_cast<std::int64_t>(range.lo);
    if (static_cast<double>(raw) > range.hi)
        raw = static_cast<std::int64_t>(range.hi);
    putBe(record + offset, static_cast<std::uint64_t>(raw), fieldSize(type));
}

void LogField::appendShown(std::string& out, const std::uint8_t* record) const
{
    char buf[512];  // room for any double in fixed notation
    const int places = std::clamp<int>(digits, 0, 9);
    const double r = raw(record);
    std::to_chars_result res;
    // Whole raw values of an integer field with scale 1 print exactly.
    if (type != FieldType::F32 && scale == 1.0f && transform == std::nearbyint(transform) && places == 0)
        res = std::to_chars(buf, buf + sizeof buf, static_cast<std::int64_t>(r) + static_cast<std::int64_t>(transform));
    else
        res = std::to_chars(buf, buf + sizeof buf, (r + transform) * scale, std::chars_format::fixed, places);
    if (res.ec != std::errc())
        out += "0";
    else
        out.append(buf, res.ptr);
}

std::size_t layOut(std::vector<LogField>& fields)
{
    std::size_t at = 0;
    for (LogField& f : fields) {
        f.offset = at;
        at += fieldSize(f.type);
    }
    return at;
}

}  // namespace tarvel::datalog
