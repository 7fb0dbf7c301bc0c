#include "datalog/LogFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>

#include "datalog/LogEncoder.h"
#include "datalog/MlgFormat.h"
#include "datalog/MslFormat.h"
#include "model/LogSink.h"
#include "store/SafeFileWriter.h"

namespace tarvel::datalog {

namespace {

// Larger files are not logs the program wrote (a day of frames is ~25 MB).
constexpr std::uint64_t kMaxLogBytes = 1ull << 30;
constexpr std::size_t kChunk = 1 << 20;

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }

private:
    int fd_;
};

DataLog failed(const std::string& message)
{
    DataLog log;
    log.report.message = message;
    return log;
}

// Reads up to `size` bytes; returns the count, or -1 with errno set.
ssize_t readSome(int fd, std::uint8_t* into, std::size_t size)
{
    for (;;) {
        const ssize_t n = ::read(fd, into, size);
        if (n >= 0 || errno != EINTR)
            return n;
    }
}

}  // namespace

DataLog readLogFile(const std::string& path)
{
    const auto format = formatOfPath(path);
    if (!format)
        return failed(path + ": not a log file name (.mlg or .msl)");
    if (*format == LogFormat::Csv)
        return failed(path + ": CSV is written by export only; open the .mlg or .msl log");
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0) {
        const std::string why = path + ": " + log::errnoText(errno);
        log::write(log::Area::Store, "cannot open log " + why);
        return failed(why);
    }
    if (!S_ISREG(st.st_mode))
        return failed(path + ": not a regular file");
    const auto size = static_cast<std::uint64_t>(st.st_size);
    if (size > kMaxLogBytes)
        return failed(path + ": too large for a log (" + std::to_string(size) + " bytes)");

    auto readError = [&] {
        const std::string why = path + ": " + log::errnoText(errno);
        log::write(log::Area::Store, "cannot read log " + why);
        return failed(why);
    };
    if (*format == LogFormat::Mlg) {
        std::vector<std::uint8_t> bytes(size);
        std::size_t got = 0;
        while (got < bytes.size()) {
            const ssize_t n = readSome(fd.get(), bytes.data() + got, bytes.size() - got);
            if (n < 0)
                return readError();
            if (n == 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        bytes.resize(got);
        return readMlg(bytes);
    }

    MslReader reader;
    std::vector<std::uint8_t> buffer(kChunk);
    std::string carry;
    std::uint64_t offset = 0;  // of the start of `carry` in the file
    for (;;) {
        const ssize_t n = readSome(fd.get(), buffer.data(), buffer.size());
        if (n < 0)
            return readError();
        if (n == 0)
            break;
        carry.append(reinterpret_cast<const char*>(buffer.data()), static_cast<std::size_t>(n));
        std::size_t from = 0;
        for (;;) {
            const std::size_t end = carry.find('\n', from);
            if (end == std::string::npos)
                break;
            reader.line(std::string_view(carry).substr(from, end - from), offset + end + 1);
            from = end + 1;
        }
        carry.erase(0, from);
        offset += from;
    }
    return reader.finish(carry, offset + carry.size());
}

bool writeLogFile(const DataLog& log, const std::string& path, std::string& error)
{
    const auto format = formatOfPath(path);
    if (!format) {
        error = path + ": not a log file name (.mlg, .msl or .csv)";
        return false;
    }
    auto encoder = LogEncoder::create(*format);
    LogHeader header{log.fields(), log.info, log.startUnixTime};
    std::string out;
    if (!encoder->header(out, header, error)) {
        error = path + ": " + error;
        return false;
    }
    SafeFileWriter file(path);
    if (!file.open()) {
        error = file.error();
        log::write(log::Area::Store, "cannot write log " + error);
        return false;
    }
    auto micros = [](double seconds) {
        return seconds > 0 && std::isfinite(seconds) ? static_cast<std::uint64_t>(std::llround(seconds * 1e6)) : 0;
    };
    std::size_t marker = 0;
    auto markersUpTo = [&](std::size_t records) {
        for (; marker < log.markers.size() && log.markers[marker].beforeRecord <= records; ++marker)
            encoder->marker(out, log.markers[marker].text, micros(log.markers[marker].time));
    };
    for (std::size_t i = 0; i < log.recordCount(); ++i) {
        markersUpTo(i);
        encoder->record(out, log.rawRecord(i), micros(log.time(i)));
        if (out.size() >= kChunk) {
            if (!file.write(out))
                break;
            out.clear();
        }
    }
    markersUpTo(static_cast<std::size_t>(-1));
    if (!file.write(out) || !file.commit()) {
        error = file.error();
        log::write(log::Area::Store, "cannot write log " + error);
        return false;
    }
    return true;
}

}  // namespace tarvel::datalog
