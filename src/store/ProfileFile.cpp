#include "ProfileFile.h"

#include <cstdint>

#include "SafeFileReader.h"
#include "SafeFileWriter.h"

namespace tarvel {

namespace {

std::string_view trim(std::string_view s)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

// "[name]" (blanks allowed around) gives name; any other line nothing.
std::optional<std::string_view> sectionName(std::string_view line)
{
    line = trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    line.remove_prefix(1);
    const auto close = line.find(']');
    return trim(close == std::string_view::npos ? line : line.substr(0, close));
}

// The key of a "key=value" line, blanks removed; nothing for other lines.
std::optional<std::string_view> keyName(std::string_view line)
{
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return trim(line.substr(0, equals));
}

}  // namespace

ProfileFile::ProfileFile(std::string_view text)
{
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines_.emplace_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
}

bool ProfileFile::load(const std::string& path)
{
    lines_.clear();
    SafeFileReader file(path);
    if (file.missing())
        return true;
    std::string text;
    if (!file.readAll(text))
        return false;
    *this = ProfileFile(text);
    return true;
}

bool ProfileFile::save(const std::string& path, std::string* error) const
{
    return SafeFileWriter::writeFile(path, text(), error);
}

std::optional<ProfileFile::Range> ProfileFile::findSection(std::string_view section) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = sectionName(lines_[i]);
        if (!name || !sameName(*name, section))
            continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !sectionName(lines_[end]))
            ++end;
        return Range{i + 1, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> ProfileFile::findKey(const Range& range, std::string_view key) const
{
    for (std::size_t i = range.begin; i < range.end; ++i)
        if (const auto name = keyName(lines_[i]); name && sameName(*name, key))
            return i;
    return std::nullopt;
}

std::optional<std::string> ProfileFile::value(std::string_view section, std::string_view key) const
{
    const auto range = findSection(section);
    if (!range)
        return std::nullopt;
    const auto line = findKey(*range, key);
    if (!line)
        return std::nullopt;
    const std::string_view text = lines_[*line];
    std::string_view v = trim(text.substr(text.find('=') + 1));
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

std::string ProfileFile::readString(std::string_view section, std::string_view key, std::string_view fallback) const
{
    auto v = value(section, key);
    return v ? std::move(*v) : std::string(fallback);
}

int ProfileFile::readInt(std::string_view section, std::string_view key, int fallback) const
{
    const auto v = value(section, key);
    if (!v)
        return fallback;
    std::string_view digits = *v;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    std::uint32_t magnitude = 0;
    std::size_t count = 0;
    for (; count < digits.size() && digits[count] >= '0' && digits[count] <= '9'; ++count)
        magnitude = magnitude * 10u + static_cast<std::uint32_t>(digits[count] - '0');
    if (count == 0)
        return fallback;
    return static_cast<int>(negative ? 0u - magnitude : magnitude);
}

void ProfileFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    std::string clean;
    for (char c : value)
        if (c != '\n')
            clean.push_back(c);
    // Reading drops blanks around a value and one pair of quotes; quoting such
    // a value makes it read back as written.
    if (!clean.empty() &&
        (trim(clean).size() != clean.size() ||
         (clean.size() >= 2 && (clean.front() == '"' || clean.front() == '\'') && clean.back() == clean.front())))
        clean = '"' + clean + '"';

    auto range = findSection(section);
    if (!range) {
        if (!lines_.empty() && !trim(lines_.back()).empty())
            lines_.emplace_back();
        lines_.push_back("[" + std::string(section) + "]");
        range = Range{lines_.size(), lines_.size()};
    }
    if (const auto line = findKey(*range, key)) {
        // Keep the key as the file spells it.
        const std::string keyText(*keyName(lines_[*line]));
        lines_[*line] = keyText + "=" + clean;
        return;
    }
    // A new key goes after the last non-empty line of its section.
    std::size_t at = range->end;
    while (at > range->begin && trim(lines_[at - 1]).empty())
        --at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::string(key) + "=" + clean);
}

void ProfileFile::writeInt(std::string_view section, std::string_view key, int value)
{
    writeString(section, key, std::to_string(value));
}

std::string ProfileFile::text() const
{
    std::string out;
    for (const std::string& line : lines_) {
        out += line;
        out += "\r\n";
    }
    return out;
}

}  // namespace tarvel
