#include "TuneHistory.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "IgnFileWriter.h"
#include "IgnKeywords.h"
#include "SafeFileWriter.h"
#include "model/LogSink.h"
#include "model/Normalise.h"

namespace tarvel {

namespace fs = std::filesystem;
using Clock = std::chrono::system_clock;

namespace {

constexpr std::string_view kHeaderWord = "TARVEL3_TUNE";
constexpr std::string_view kPrefix = "tune-";
constexpr std::string_view kSuffix = ".ign";
constexpr int kMaxSequence = 100;
// "tune-" YYYYMMDD "-" HHMMSS "-" mmm "-" NN ".ign"
constexpr std::size_t kNameLength = 5 + 8 + 1 + 6 + 1 + 3 + 1 + 2 + 4;

// Percent-encodes everything but printable ASCII other than '%' and '=', so
// that a value is one token and never a word of the file format.
std::string encode(std::string_view value)
{
    std::string out;
    for (const unsigned char c : value) {
        if (c > 0x20 && c < 0x7F && c != '%' && c != '=') {
            out += static_cast<char>(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            out += hex;
        }
    }
    return out;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::string decode(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexDigit(text[i + 1]) >= 0 && hexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string isoTime(Clock::time_point time)
{
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(time.time_since_epoch()).count();
    const std::time_t seconds = static_cast<std::time_t>(ms >= 0 ? ms / 1000 : (ms - 999) / 1000);
    std::tm tm{};
    ::gmtime_r(&seconds, &tm);
    char text[80];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", tm.tm_year + 1900, tm.tm_mon + 1,
                  tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, static_cast<int>(ms - seconds * 1000LL));
    return text;
}

bool digits(std::string_view text, std::size_t at, std::size_t count, int& value)
{
    value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (i >= text.size() || text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

// Reads the header lines before the key line into `record` (its time
// stays). Lines, not tokens: a value may be longer than a token the scanner keeps.
void readHeader(std::string_view text, TuneRecord& record)
{
    bool first = true;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.remove_suffix(1);
        if (first) {
            if (!line.starts_with(kHeaderWord))
                return;
            first = false;
            continue;
        }
        if (line.starts_with(kIgnKeyWord))
            return;
        const auto eq = line.find('=');
        if (eq == std::string_view::npos)
            continue;
        const std::string_view name = line.substr(0, eq);
        const std::string value = decode(line.substr(eq + 1));
        if (name == "bike")
            record.bike = value;
        else if (name == "firmware")
            record.unitFirmware = value;
        else if (name == "unitdate")
            record.unitDate = value;
        else if (name == "unittime")
            record.unitTime = value;
    }
}

// The whole of a regular file of at most `limit` bytes; false for anything else.
bool readSmallFile(const std::string& path, std::uintmax_t limit, std::string& text)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::is_regular_file(status))
        return false;
    const std::uintmax_t size = fs::file_size(path, error);
    if (error || size > limit)
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open())
        return false;
    std::ostringstream out;
    out << in.rdbuf();
    if (in.bad())
        return false;
    text = out.str();
    return text.size() <= limit;
}

}  // namespace

std::string TuneHistory::entryName(Clock::time_point time, int sequence)
{
    const std::string iso = isoTime(time);  // 2026-12-10T11:54:28.123Z
    char name[64];
    std::snprintf(name, sizeof name, "tune-%.4s%.2s%.2s-%.2s%.2s%.2s-%.3s-%02d.ign", iso.c_str(), iso.c_str() + 5,
                  iso.c_str() + 8, iso.c_str() + 11, iso.c_str() + 14, iso.c_str() + 17, iso.c_str() + 20,
                  sequence % kMaxSequence);
    return name;
}

bool TuneHistory::parseEntryName(const std::string& name, Clock::time_point* time)
{
    if (name.size() != kNameLength || !name.starts_with(kPrefix) || !name.ends_with(kSuffix))
        return false;
    int year, month, day, hour, minute, second, ms, seq;
    if (!digits(name, 5, 4, year) || !digits(name, 9, 2, month) || !digits(name, 11, 2, day) || name[13] != '-' ||
        !digits(name, 14, 2, hour) || !digits(name, 16, 2, minute) || !digits(name, 18, 2, second) || name[20] != '-' ||
        !digits(name, 21, 3, ms) || name[24] != '-' || !digits(name, 25, 2, seq))
        return false;
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 60)
        return false;
    if (time != nullptr) {
        std::tm tm{};
        tm.tm_year = year - 1900;
        tm.tm_mon = month - 1;
        tm.tm_mday = day;
        tm.tm_hour = hour;
        tm.tm_min = minute;
        tm.tm_sec = second;
        *time = Clock::from_time_t(::timegm(&tm)) + std::chrono::milliseconds(ms);
    }
    return true;
}

std::string TuneHistory::entryText(const ParamImage& image, const TuneRecord& record)
{
    std::string text;
    text += kHeaderWord;
    text += " 1\r\n";
    text += "time=" + isoTime(record.time) + "\r\n";
    text += "bike=" + encode(record.bike) + "\r\n";
    text += "firmware=" + encode(record.unitFirmware) + "\r\n";
    text += "unitdate=" + encode(record.unitDate) + "\r\n";
    text += "unittime=" + encode(record.unitTime) + "\r\n";
    text += IgnFileText(image);
    return text;
}

bool TuneHistory::record(const ParamImage& image, const TuneRecord& record, std::string* error) const
{
    auto failed = [&](const std::string& reason) {
        log::write(log::Area::Store, "tune history: " + reason);
        if (error != nullptr)
            *error = reason;
        return false;
    };
    std::error_code code;
    if (!fs::is_directory(folder_, code)) {
        fs::create_directories(folder_, code);
        if (code || !fs::is_directory(folder_, code))
            return failed(folder_ + ": " + (code ? code.message() : "not a folder"));
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::replace, code);
    }
    std::string path;
    for (int sequence = 0; sequence < kMaxSequence && path.empty(); ++sequence) {
        const std::string candidate = folder_ + "/" + entryName(record.time, sequence);
        struct stat st {};
        if (::lstat(candidate.c_str(), &st) != 0 && errno == ENOENT)
            path = candidate;
    }
    if (path.empty())
        return failed(folder_ + ": no free entry name for " + isoTime(record.time));
    std::string reason;
    if (!SafeFileWriter::writeFile(path, entryText(image, record), &reason))
        return failed(reason);
    prune(kKeep, path.substr(folder_.size() + 1));
    return true;
}

std::vector<std::string> TuneHistory::entryNames() const
{
    std::vector<std::string> names;
    std::error_code code;
    fs::directory_iterator it(folder_, code);
    if (code)
        return names;
    for (; it != fs::directory_iterator(); it.increment(code)) {
        if (code)
            break;
        std::string name = it->path().filename().string();
        if (parseEntryName(name))
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<TuneEntry> TuneHistory::list(const ParamImage& base) const
{
    std::vector<TuneEntry> entries;
    const std::vector<std::string> names = entryNames();
    entries.reserve(names.size());
    std::string text;
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        TuneEntry entry;
        entry.path = folder_ + "/" + *name;
        if (!readSmallFile(entry.path, kMaxEntryBytes, text))
            continue;
        entry.image = base;
        if (!IgnFileReader(text, entry.image))
            continue;
        NormaliseImage(entry.image);
        parseEntryName(*name, &entry.record.time);
        readHeader(text, entry.record);
        entries.push_back(std::move(entry));
    }
    return entries;
}

int TuneHistory::prune(int keep, const std::string& spare) const
{
    std::vector<std::string> names = entryNames();
    // The entry just written stays even when a clock that once ran ahead
    // left newer-looking names behind.
    std::erase(names, spare);
    if (!spare.empty())
        keep = std::max(keep - 1, 0);
    int removed = 0;
    const int surplus = static_cast<int>(names.size()) - std::max(keep, 0);
    for (int i = 0; i < surplus; ++i) {
        const std::string path = folder_ + "/" + names[static_cast<std::size_t>(i)];
        std::error_code code;
        // A folder that happens to have an entry's name is not ours to delete.
        if (fs::is_directory(fs::symlink_status(path, code)) || !fs::remove(path, code)) {
            log::write(log::Area::Store,
                       "tune history: cannot remove " + path + ": " + (code ? code.message() : "not a file"));
            continue;
        }
        ++removed;
    }
    return removed;
}

IgnLoadResult TuneHistory::load(const std::string& path, ParamImage& image)
{
    std::string text;
    if (!readSmallFile(path, kMaxEntryBytes, text))
        return IgnLoadResult::OpenError;
    return IgnFileReader(text, image) ? IgnLoadResult::Loaded : IgnLoadResult::UnmatchedVersion;
}

}  // namespace tarvel
