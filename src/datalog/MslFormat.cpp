#include "datalog/MslFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "datalog/MonitorLayout.h"

namespace tarvel::datalog {

namespace {

void split(std::string_view text, char sep, std::vector<std::string_view>& cells)
{
    cells.clear();
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = text.find(sep, from);
        cells.push_back(text.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from));
        if (at == std::string_view::npos)
            break;
        from = at + 1;
    }
    // A line may end with a separator.
    if (cells.size() > 1 && cells.back().empty())
        cells.pop_back();
}

std::string_view trimCr(std::string_view s)
{
    if (!s.empty() && s.back() == '\r')
        s.remove_suffix(1);
    return s;
}

// "[-]digits[.digits]" with at most 15 digits (exact in a double) as
// mantissa / 10^decimals: the common case, much faster than a general parse.
bool plainDecimal(std::string_view s, std::int64_t& mantissa, int& decimals)
{
    std::size_t i = 0;
    const bool negative = !s.empty() && s[0] == '-';
    i += negative ? 1 : 0;
    std::int64_t m = 0;
    int digits = 0;
    int dec = -1;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c >= '0' && c <= '9') {
            if (++digits > 15)
                return false;
            m = m * 10 + (c - '0');
            if (dec >= 0)
                ++dec;
        } else if (c == '.' && dec < 0) {
            dec = 0;
        } else {
            return false;
        }
    }
    if (digits == 0)
        return false;
    mantissa = negative ? -m : m;
    decimals = dec < 0 ? 0 : dec;
    return true;
}

bool parseCell(const LogField& field, std::string_view cell, std::uint8_t* record)
{
    static constexpr double kPow10[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9,
                                        1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18};
    std::int64_t mantissa = 0;
    int decimals = 0;
    if (plainDecimal(cell, mantissa, decimals)) {
        // A whole number for a field of whole numbers needs no floating point.
        if (decimals == 0 && field.type != FieldType::F32 && field.scale == 1.0f &&
            field.transform == std::nearbyint(field.transform)) {
            return field.storeWhole(mantissa - static_cast<std::int64_t>(field.transform), record);
        }
        return field.storeShown(static_cast<double>(mantissa) / kPow10[decimals], record);
    }
    double v = 0;
    const auto res = std::from_chars(cell.data(), cell.data() + cell.size(), v);
    return res.ec == std::errc() && res.ptr == cell.data() + cell.size() && field.storeShown(v, record);
}

std::string withCount(std::size_t n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// The start time from "Capture Date: Thu Dec 10 11:54:28 2026" (local time),
// which is all a text log says of it; 0 when there is none.
std::int64_t startFromInfo(const std::vector<std::string>& info)
{
    static const char kMonths[] = "JanFebMarAprMayJunJulAugSepOctNovDec";
    for (const std::string& line : info) {
        char day[4] = {}, month[4] = {};
        std::tm tm{};
        if (std::sscanf(line.c_str(), "Capture Date: %3s %3s %d %d:%d:%d %d", day, month, &tm.tm_mday, &tm.tm_hour,
                        &tm.tm_min, &tm.tm_sec, &tm.tm_year) != 7)
            continue;
        const char* m = std::strstr(kMonths, month);
        if (!m || std::strlen(month) != 3 || (m - kMonths) % 3 != 0)
            continue;
        tm.tm_mon = static_cast<int>((m - kMonths) / 3);
        tm.tm_year -= 1900;
        tm.tm_isdst = -1;
        const std::time_t t = std::mktime(&tm);
        return t == static_cast<std::time_t>(-1) ? 0 : static_cast<std::int64_t>(t);
    }
    return 0;
}

}  // namespace

bool MslEncoder::header(std::string& out, const LogHeader& h, std::string&)
{
    fields_ = h.fields;
    layOut(fields_);
    for (const std::string& line : h.info) {
        std::string text = oneLine(line);
        std::replace(text.begin(), text.end(), '"', '\'');
        out += '"' + text + "\"\n";
    }
    for (std::size_t i = 0; i < fields_.size(); ++i)
        out += (i ? "\t" : "") + oneLine(fields_[i].name);
    out += '\n';
    for (std::size_t i = 0; i < fields_.size(); ++i)
        out += (i ? "\t" : "") + oneLine(fields_[i].units);
    out += '\n';
    return true;
}

void MslEncoder::record(std::string& out, std::span<const std::uint8_t> raw, std::uint64_t)
{
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (i)
            out += '\t';
        fields_[i].appendShown(out, raw.data());
    }
    out += '\n';
}

void MslEncoder::marker(std::string& out, std::string_view text, std::uint64_t)
{
    char number[24];
    std::snprintf(number, sizeof number, "MARK %03zu", ++markerCount_);
    out += number;
    if (!text.empty())
        out += ' ' + oneLine(text);
    out += '\n';
}

void MslReader::line(std::string_view text, std::uint64_t offset)
{
    ++lineNumber_;
    text = trimCr(text);
    switch (stage_) {
    case Stage::Info:
        if (text.empty())
            break;
        if (text.front() == '"') {
            text.remove_prefix(1);
            if (!text.empty() && text.back() == '"')
                text.remove_suffix(1);
            log_.info.emplace_back(text);
        } else {
            fieldsLine(text);
        }
        break;
    case Stage::Units: unitsLine(text); break;
    case Stage::Records: recordLine(text, offset); return;
    case Stage::Failed: return;
    }
    goodEnd_ = offset;
}

void MslReader::fieldsLine(std::string_view text)
{
    split(text, '\t', cells_);
    if (cells_.front() != "Time" && cells_.front() != "time") {
        failure_ = "the first field is \"" + std::string(cells_.front().substr(0, 40)) + "\", not \"Time\"";
        stage_ = Stage::Failed;
        return;
    }
    names_.assign(cells_.begin(), cells_.end());
    // A column needs a name to be written again.
    for (std::size_t i = 1; i < names_.size(); ++i)
        if (names_[i].empty())
            names_[i] = "Field " + std::to_string(i + 1);
    const auto& monitor = monitorFields();
    monitorLayout_ = names_.size() == monitor.size() &&
                     std::equal(names_.begin(), names_.end(), monitor.begin(),
                                [](const std::string& n, const LogField& f) { return n == f.name; });
    stage_ = Stage::Units;
}

void MslReader::unitsLine(std::string_view text)
{
    split(text, '\t', cells_);
    if (cells_.size() > names_.size()) {
        failure_ = "the line of units has " + std::to_string(cells_.size()) + " entries for " +
                   std::to_string(names_.size()) + " fields";
        stage_ = Stage::Failed;
        return;
    }
    std::vector<LogField> fields;
    if (monitorLayout_) {
        fields = monitorFields();
    } else {
        fields.resize(names_.size());
        for (std::size_t i = 0; i < names_.size(); ++i) {
            fields[i].name = names_[i];
            fields[i].type = FieldType::F32;
            if (i < cells_.size())
                fields[i].units = std::string(cells_[i]);
        }
        fields[0].type = FieldType::U32;
        fields[0].scale = 0.001f;
        fields[0].digits = 3;
        decimals_.assign(fields.size(), 0);
    }
    for (std::size_t i = 0; i < fields.size() && i < cells_.size(); ++i)
        fields[i].units = std::string(cells_[i]);
    log_.setFields(std::move(fields));
    record_.assign(log_.recordLength(), 0);
    stage_ = Stage::Records;
}

void MslReader::recordLine(std::string_view text, std::uint64_t offset)
{
    if (text.empty()) {
        goodEnd_ = offset;
        return;
    }
    if (text.starts_with("MARK")) {
        text.remove_prefix(4);
        const std::size_t digits = text.find_first_not_of(" 0123456789");
        text.remove_prefix(digits == std::string_view::npos ? text.size() : digits);
        if (!text.empty() && text.front() == '\t')
            text.remove_prefix(1);
        LogMarker m;
        m.beforeRecord = log_.recordCount();
        m.time = log_.recordCount() ? log_.time(log_.recordCount() - 1) : 0;
        m.text = std::string(text);
        log_.markers.push_back(std::move(m));
        goodEnd_ = offset;
        return;
    }
    split(text, '\t', cells_);
    bool good = cells_.size() == log_.fields().size();
    for (std::size_t i = 0; good && i < cells_.size(); ++i) {
        const std::string_view cell = cells_[i];
        good = parseCell(log_.fields()[i], cell, record_.data());
        if (good && !monitorLayout_ && i > 0) {
            const std::size_t dot = cell.find('.');
            if (dot != std::string_view::npos)
                decimals_[i] = std::max(decimals_[i], std::min(6, static_cast<int>(cell.size() - dot - 1)));
        }
    }
    if (!good) {
        if (log_.report.badRecords++ == 0)
            firstBadLine_ = lineNumber_;
        return;
    }
    log_.appendRecord(record_);
    goodEnd_ = offset;
}

DataLog MslReader::finish(std::string_view rest, std::uint64_t fileSize)
{
    ReadReport& r = log_.report;
    r.fileSize = fileSize;
    if (stage_ != Stage::Records) {
        DataLog failed;
        failed.report.fileSize = fileSize;
        failed.report.message = !failure_.empty()                ? failure_
                                : stage_ == Stage::Info ? "not a text log: no line of field names"
                                                        : "the file ends before the line of units";
        return failed;
    }
    if (!monitorLayout_)
        for (std::size_t i = 1; i < log_.fields().size(); ++i)
            log_.setFieldDigits(i, static_cast<std::int8_t>(decimals_[i]));
    r.opened = true;
    r.bytesRead = goodEnd_;
    log_.startUnixTime = startFromInfo(log_.info);
    std::string message;
    rest = trimCr(rest);
    const bool cut = rest.find_first_not_of(" \t") != std::string_view::npos;
    if (cut)
        message = "read " + withCount(log_.recordCount(), "record", "records") + " (" + std::to_string(goodEnd_) +
                  " of " + std::to_string(fileSize) + " bytes); the last line is cut short and was not read";
    if (r.badRecords > 0) {
        if (!message.empty())
            message += "; ";
        message += "skipped " + withCount(r.badRecords, "line", "lines") + " that are not records (the first is line " +
                   std::to_string(firstBadLine_) + ")";
    }
    r.complete = !cut;
    r.message = std::move(message);
    return std::move(log_);
}

DataLog readMsl(std::string_view text)
{
    MslReader reader;
    std::size_t from = 0;
    for (;;) {
        const std::size_t end = text.find('\n', from);
        if (end == std::string_view::npos)
            break;
        reader.line(text.substr(from, end - from), end + 1);
        from = end + 1;
    }
    return reader.finish(text.substr(from), text.size());
}

}  // namespace tarvel::datalog
