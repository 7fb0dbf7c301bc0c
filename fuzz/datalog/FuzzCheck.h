// What both log fuzzers check on whatever a reader made of the input: every
// value and replay record can be taken, and writing the log in `format` and
// reading it back gives the same records and markers without complaint.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <functional>

#include "datalog/DataLog.h"
#include "datalog/LogEncoder.h"
#include "datalog/MonitorLayout.h"

namespace tarvel::datalog::fuzz {

inline void checkLog(const DataLog& log, std::size_t inputSize, LogFormat format,
                     const std::function<DataLog(const std::string&)>& read, bool sameRaw)
{
    if (!log.report.opened) {
        if (log.recordCount() != 0 || log.report.message.empty())
            std::abort();
        return;
    }
    if (log.recordCount() > inputSize || log.report.bytesRead > inputSize)
        std::abort();
    volatile double sink = 0;
    for (std::size_t f = 0; f < log.fields().size(); ++f)
        for (double v : log.channel(f))
            sink = sink + v;
    const MonitorLogView view(log);
    for (std::size_t i = 0; i < view.size(); ++i)
        sink = sink + view.record(i).time;
    if (view.size() > 0)
        view.record(log.indexAtTime(log.time(view.size() - 1)));

    auto encoder = LogEncoder::create(format);
    std::string out, error;
    if (!encoder->header(out, {log.fields(), log.info, log.startUnixTime}, error))
        return;  // more fields than the binary header can describe
    std::size_t marker = 0;
    auto us = [](double s) { return s > 0 && s < 1e12 ? static_cast<std::uint64_t>(s * 1e6) : 0; };
    for (std::size_t i = 0; i <= log.recordCount(); ++i) {
        for (; marker < log.markers.size() && log.markers[marker].beforeRecord <= i; ++marker)
            encoder->marker(out, log.markers[marker].text, us(log.markers[marker].time));
        if (i < log.recordCount())
            encoder->record(out, log.rawRecord(i), us(log.time(i)));
    }
    const DataLog again = read(out);
    if (!again.report.opened || !again.report.complete || again.report.badRecords != 0 ||
        again.recordCount() != log.recordCount() || again.markers.size() != log.markers.size() ||
        again.fields().size() != log.fields().size())
        std::abort();
    for (std::size_t i = 0; sameRaw && i < log.recordCount(); ++i) {
        const auto a = log.rawRecord(i), b = again.rawRecord(i);
        if (!std::equal(a.begin(), a.end(), b.begin(), b.end()))
            std::abort();
    }
}

}  // namespace tarvel::datalog::fuzz
