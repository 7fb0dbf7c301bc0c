// Replaces a file so that it either holds the complete new content or stays
// as it was: the content goes to a temporary file in the same folder, which is
// checked, synced and then renamed over the target.
//
//   SafeFileWriter file(path);
//   if (!file.open()) ...            // refused: nothing has been touched
//   file.write(text);
//   if (!file.commit()) ...          // failed: the previous file is intact
//
// A target that cannot be opened for writing (a read-only file, a folder, a
// FIFO or a device in its place) is refused by open() before anything else
// happens; read-only means no write permission bit at all, so the refusal
// holds for root too. A symbolic link is followed only under the rule of
// ResolveOwnedLinks (link and file the user's own, the file a regular file):
// the file it points to is replaced and the link stays; any other link is
// refused and every file stays as it is. A replaced file keeps its
// permissions; a new one gets 0666 less the umask.
//
// A folder that cannot be written holding a file that can (write access was
// given to that file alone) gets the file rewritten in place instead: the
// room is reserved first, then the content written from the start, the rest
// cut off and the file synced. That is the only case without the atomic
// replacement.
//
// The temporary file is named ".<name>.<pid>.<n>.tmp". One left behind by a
// process that was killed is removed by the next open() of the same file, and
// removeLeftovers() clears a folder at start.
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
    // open() found the folder closed to new files and rewrites the file in place.
    bool inPlace() const { return inPlace_; }

    // open, write and commit in one call.
    static bool writeFile(const std::string& path, std::string_view bytes, std::string* error = nullptr);

    // Removes the temporary files of `name` in `folder` that this user's
    // processes left behind and that no running process owns any more.
    // Returns how many were removed.
    static int removeLeftovers(const std::string& folder, const std::string& name);

private:
    bool fail(const std::string& what, int errnoValue);
    bool fail(const std::string& message);
    bool openInPlace();
    bool commitInPlace();
    void discard();

    std::string path_;
    std::string target_;
    std::string temp_;
    int fd_ = -1;
    bool failed_ = false;
    bool inPlace_ = false;
    std::string pending_;  // the content, when rewriting in place
    std::string error_;
};

}  // namespace tarvel
