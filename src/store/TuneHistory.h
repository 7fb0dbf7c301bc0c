// The record of what was programmed: every program that ended well leaves the
// image it sent as an .ign file in the history folder of the settings folder,
// newest 200 kept. The file name sorts by time (UTC):
//   tune-20261210-115428-123-00.ign
// and a few "name=value" lines before the key line say when, on which bike
// and into which unit. The .ign reader ignores everything before the key
// line, so an entry opens as an ordinary parameter file; every header token
// contains '=' and so is never taken for the key word or a keyword.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "model/ParamImage.h"
#include "store/IgnFileReader.h"

namespace tarvel {

struct TuneRecord {
    std::chrono::system_clock::time_point time{};
    std::string bike;  // the bike as the window names it
    // The unit's identification texts (firmware, build date, build time).
    std::string unitFirmware;
    std::string unitDate;
    std::string unitTime;

    bool operator==(const TuneRecord&) const = default;
};

struct TuneEntry {
    std::string path;
    TuneRecord record;  // time from the file name; texts from the header (empty when missing)
    ParamImage image;   // the entry read over the base image list() was given, normalised
};

class TuneHistory {
public:
    static constexpr int kKeep = 200;
    // Larger files are not entries (an entry is about 2 kB).
    static constexpr std::uintmax_t kMaxEntryBytes = 64 * 1024;

    explicit TuneHistory(std::string folder) : folder_(std::move(folder)) {}
    const std::string& folder() const { return folder_; }

    // Writes a new entry (creating the folder, mode 0700) and prunes to
    // kKeep. A failure (read-only folder, full disk) is logged and its reason
    // given in `error`; no existing entry is touched.
    bool record(const ParamImage& image, const TuneRecord& record, std::string* error = nullptr) const;

    // The readable entries, newest first. Foreign names, folders, special
    // files, oversized files, files that cannot be opened and files without
    // a key line of our version are skipped.
    std::vector<TuneEntry> list(const ParamImage& base) const;

    // Removes the oldest entries (by name) beyond `keep`; foreign files are
    // never touched, nor the entry named `spare` (which counts as kept).
    // Returns how many were removed.
    int prune(int keep = kKeep, const std::string& spare = {}) const;

    // Reads an entry over `image` as "Open" reads a file.
    static IgnLoadResult load(const std::string& path, ParamImage& image);

    // The complete file text of an entry, and the name it gets.
    static std::string entryText(const ParamImage& image, const TuneRecord& record);
    static std::string entryName(std::chrono::system_clock::time_point time, int sequence);
    // True for a name entryName() could have made; gives its time.
    static bool parseEntryName(const std::string& name, std::chrono::system_clock::time_point* time = nullptr);

private:
    std::vector<std::string> entryNames() const;  // sorted, oldest first

    std::string folder_;
};

}  // namespace tarvel
