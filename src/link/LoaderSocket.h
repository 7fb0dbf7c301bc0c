// The firmware loader borrows the serial port by sending the program two
// numbers, WPARAM (the port number) and LPARAM (what to do). They arrive as one
// datagram on a Unix-domain socket in $XDG_RUNTIME_DIR (else in a folder the
// caller gives), reachable only by the same user: the socket file has mode
// 0600 and each datagram's sender credentials are checked.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace tarvel::link {

inline constexpr std::int64_t kLoaderResetRelease = 0x7FFFFFA2;
inline constexpr std::int64_t kLoaderRelease = 0x7FFFFFA1;
inline constexpr std::int64_t kLoaderGiveBack = 0x7FFFFFA4;

struct LoaderMessage {
    std::int64_t wparam = 0;
    std::int64_t lparam = 0;
};

// "$XDG_RUNTIME_DIR/tarvel3-loader", or fallbackDir/tarvel3-loader when the
// variable is unset or empty.
std::filesystem::path loaderSocketPath(const std::filesystem::path& fallbackDir);

class LoaderListener {
public:
    LoaderListener() = default;
    ~LoaderListener();
    LoaderListener(const LoaderListener&) = delete;
    LoaderListener& operator=(const LoaderListener&) = delete;

    // Binds the socket; a stale socket file left by a program that died is
    // replaced, one another running copy listens on is not. False with a
    // reason in error().
    bool listen(const std::filesystem::path& path);
    void close();

    // Non-blocking: the next message from this user, if one is waiting.
    // Datagrams of other users or of the wrong size are dropped.
    std::optional<LoaderMessage> receive();

    // Readable when a datagram waits (for a socket notifier); -1 when closed.
    int fd() const { return fd_; }
    const std::string& error() const { return error_; }

private:
    bool bindTo(const std::filesystem::path& path);

    int fd_ = -1;
    std::filesystem::path path_;
    std::string error_;
};

// Sends one message; false with a reason when nobody listens there.
bool sendLoaderMessage(const std::filesystem::path& path, LoaderMessage message, std::string* error = nullptr);

}  // namespace tarvel::link
