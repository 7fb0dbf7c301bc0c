// Replaces a file so that it either holds the complete new content or stays
// as it was: the content goes to a temporary file in the same folder, which is
// checked, synced and then renamed over the target.
//
//   SafeFileWriter file(path);
//   if (!file.open()) ...            // refused: nothing has been touched
//   file.write(text);
//   if (!file.commit()) ...          // failed: the previous file is intact
//
// A target that cannot be opened for writing (a read-only file, a read-only
// folder, a folder or device in its place) is refused by open() before
// anything else happens; read-only means no write permission bit at all, so
// the refusal holds for root too. A symbolic link is followed: the file it
// points to is replaced and the link stays. A replaced file keeps its
// permissions; a new one gets 0666 less the umask.
#pragma once

#include <string>
#include <string_view>

namespace tarvel {

class SafeFileWriter {
public:
    explicit SafeFileWriter(std::string path);
    ~SafeFileWriter();  // removes the temporary file unless committed
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // Checks the target and creates the temporary file beside it.
    bool open();
    // Appends to the temporary file. After a failure every later call fails.
    bool write(std::string_view bytes);
    // Syncs the temporary file and renames it over the target.
    bool commit();

    // What went wrong, for messages ("<path>: Permission denied").
    const std::string& error() const { return error_; }
    // The file that is (or would be) replaced, links followed.
    const std::string& target() const { return target_; }

    // open, write and commit in one call.
    static bool writeFile(const std::string& path, std::string_view bytes, std::string* error = nullptr);

private:
    bool fail(const std::string& what, int errnoValue);
    void discard();

    std::string path_;
    std::string target_;
    std::string temp_;
    int fd_ = -1;
    bool failed_ = false;
    std::string error_;
};

}  // namespace tarvel
