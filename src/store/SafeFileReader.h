// Opens a file the program reads (settings, state dump, parameter files, the
// test marker) so that no file can stall or trick it: the open never blocks
// (a FIFO or a device in the file's place is refused, not waited on),
// anything but a regular file is refused, and symbolic links are followed
// only under the rule of ResolveOwnedLinks. Every refusal is logged.
//
//   SafeFileReader file(path);
//   if (file.missing()) ...          // nothing there
//   else if (!file.isOpen()) ...     // refused or unreadable: file.error()
//   else IgnFileReader(file.stream(), image);
#pragma once

#include <istream>
#include <streambuf>
#include <string>

namespace tarvel {

class SafeFileReader {
public:
    explicit SafeFileReader(const std::string& path);
    ~SafeFileReader();
    SafeFileReader(const SafeFileReader&) = delete;
    SafeFileReader& operator=(const SafeFileReader&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    // There is no file at the path (and no link to one): not an error for
    // files that are optional.
    bool missing() const { return missing_; }
    // "<path>: <reason>" when the file is not open.
    const std::string& error() const { return error_; }

    // The content through a buffer; a read error ends the stream early and
    // sets readFailed().
    std::istream& stream() { return stream_; }
    bool readFailed() const { return buffer_.failed; }

    // The whole content; false on a read error (or when not open).
    bool readAll(std::string& bytes);

private:
    bool openFile(const std::string& path);
    bool refuse(const std::string& path, const std::string& why);

    class FdBuffer : public std::streambuf {
    public:
        int fd = -1;
        bool failed = false;

    protected:
        int_type underflow() override;

    private:
        char data_[65536];
    };

    int fd_ = -1;
    bool missing_ = false;
    std::string error_;
    FdBuffer buffer_;
    std::istream stream_{&buffer_};
};

}  // namespace tarvel
