#include "datalog/DataLogRecorder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "model/LogSink.h"

#ifndef TARVEL_VERSION
#define TARVEL_VERSION "3"
#endif

namespace tarvel::datalog {

DataLogRecorder::~DataLogRecorder()
{
    close();
}

std::int64_t DataLogRecorder::currentUnixTime()
{
    return static_cast<std::int64_t>(std::time(nullptr));
}

std::vector<std::string> DataLogRecorder::infoLines(std::int64_t unixTime)
{
    // English names whatever the locale, local time.
    static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::time_t t = static_cast<std::time_t>(unixTime);
    std::tm tm{};
    localtime_r(&t, &tm);
    char date[64];
    std::snprintf(date, sizeof date, "Capture Date: %s %s %02d %02d:%02d:%02d %04d", kDays[tm.tm_wday % 7],
                  kMonths[tm.tm_mon % 12], tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, tm.tm_year + 1900);
    return {std::string("Tarvel 3 ") + TARVEL_VERSION, date};
}

bool DataLogRecorder::open(const std::string& path, Clock::time_point start, std::int64_t unixTime)
{
    close();
    error_.clear();
    path_ = path;
    records_ = markers_ = 0;
    const auto format = formatOfPath(path);
    if (!format || *format == LogFormat::Csv) {
        error_ = path + ": a log is written as .mlg or .msl";
        return false;
    }
    format_ = *format;
    // A FIFO or device would block or never hold a log.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        error_ = path + ": not a regular file";
        return false;
    }
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd_ < 0) {
        fail("cannot create", errno);
        return false;
    }
    encoder_ = LogEncoder::create(format_);
    start_ = start;
    goodSize_ = 0;
    buffer_.clear();
    buffer_.reserve(1024);
    packed_.assign(monitorRecordLength(), 0);
    std::string why;
    if (!encoder_->header(buffer_, LogHeader{monitorFields(), infoLines(unixTime), unixTime}, why)) {
        error_ = path + ": " + why;
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    return append("header");
}

std::uint64_t DataLogRecorder::elapsedUs(Clock::time_point at) const
{
    const auto us = std::chrono::duration_cast<std::chrono::microseconds>(at - start_).count();
    return us > 0 ? static_cast<std::uint64_t>(us) : 0;
}

bool DataLogRecorder::record(const link::LiveSample& sample, const link::OperatingPoint& op, Clock::time_point at)
{
    if (fd_ < 0)
        return false;
    const std::uint64_t us = elapsedUs(at);
    // The time field holds milliseconds up to 49 days.
    const std::uint64_t ms = std::min<std::uint64_t>(us / 1000, 0xFFFFFFFFu);
    packMonitorRecord(static_cast<std::uint32_t>(ms), sample, op, packed_);
    buffer_.clear();
    encoder_->record(buffer_, packed_, us);
    if (!append("record"))
        return false;
    ++records_;
    return true;
}

bool DataLogRecorder::mark(std::string_view text, Clock::time_point at)
{
    if (fd_ < 0)
        return false;
    buffer_.clear();
    encoder_->marker(buffer_, text, elapsedUs(at));
    if (!append("marker"))
        return false;
    ++markers_;
    return true;
}

bool DataLogRecorder::noteGap(std::string_view reason, Clock::time_point at)
{
    return mark("Gap: " + std::string(reason), at);
}

bool DataLogRecorder::append(std::string_view why)
{
    std::string_view left = buffer_;
    while (!left.empty()) {
        const ssize_t n = ::write(fd_, left.data(), left.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int e = n < 0 ? errno : ENOSPC;
            // Cut a half-written block off, so that the file ends on a whole one.
            if (::ftruncate(fd_, static_cast<off_t>(goodSize_)) != 0)
                log::write(log::Area::Store, "cannot cut the log " + path_ + " back: " + log::errnoText(errno));
            fail("cannot write the " + std::string(why) + " to", e);
            ::close(fd_);
            fd_ = -1;
            return false;
        }
        left.remove_prefix(static_cast<std::size_t>(n));
    }
    goodSize_ += buffer_.size();
    return true;
}

bool DataLogRecorder::close()
{
    if (fd_ < 0)
        return error_.empty();
    bool ok = true;
    if (::fsync(fd_) != 0 && errno != EINVAL) {
        fail("cannot sync", errno);
        ok = false;
    }
    if (::close(fd_) != 0 && ok) {
        fail("cannot close", errno);
        ok = false;
    }
    fd_ = -1;
    return ok;
}

void DataLogRecorder::fail(const std::string& what, int errnoValue)
{
    error_ = path_ + ": " + log::errnoText(errnoValue);
    log::write(log::Area::Store, what + " log " + error_);
}

}  // namespace tarvel::datalog
