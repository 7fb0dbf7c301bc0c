// A private-profile (INI) file as the Windows profile functions treat it:
// "[section]" lines and "key=value" lines; section and key names compare
// without regard to ASCII case; writing a key replaces its value in place
// (or adds it at the end of its section, or adds the section at the end of
// the file) and keeps every other line as it was. Lines are written with
// CR LF.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel {

class ProfileFile {
public:
    ProfileFile() = default;
    explicit ProfileFile(std::string_view text);

    // Reads the file through SafeFileReader. A missing file gives an empty
    // profile and true; false when the file is there but cannot be read or is
    // refused (the profile is then empty).
    bool load(const std::string& path);
    // Writes the whole text through SafeFileWriter.
    bool save(const std::string& path, std::string* error = nullptr) const;

    // The value of the first such key in the first such section, blanks
    // around it removed and one pair of enclosing quotes dropped.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key, std::string_view fallback) const;
    // An optional sign and the decimal digits that follow it (the rest of the
    // value is ignored; wraps like a 32-bit integer); `fallback` when the key
    // is missing or its value does not start that way.
    int readInt(std::string_view section, std::string_view key, int fallback) const;

    // A line feed in `value` would split the line; it is dropped. A value
    // with blanks at either end, or enclosed in quotes, is written in double
    // quotes so that it reads back unchanged.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInt(std::string_view section, std::string_view key, int value);

    std::string text() const;

private:
    // Index range [begin, end) of the lines of the first matching section,
    // the header excluded; nullopt when there is no such section.
    struct Range {
        std::size_t begin;
        std::size_t end;
    };
    std::optional<Range> findSection(std::string_view section) const;
    std::optional<std::size_t> findKey(const Range& range, std::string_view key) const;

    std::vector<std::string> lines_;
};

}  // namespace tarvel
