#include "MonitorRecording.h"

#include <cstdio>

namespace tarvel::ctl {

MonitorRecording::~MonitorRecording()
{
    if (!recorder_.isOpen())
        return;
    const bool ok = recorder_.close();
    if (!ok)
        std::fprintf(stderr, "log not complete: %s\n", recorder_.error().c_str());
    else
        std::fprintf(stderr, "%s: %zu records\n", recorder_.path().c_str(), recorder_.records());
}

bool MonitorRecording::open(const std::string& path)
{
    if (recorder_.open(path))
        return true;
    std::fprintf(stderr, "cannot record the log: %s\n", recorder_.error().c_str());
    return false;
}

void MonitorRecording::record(const link::DeviceLink& link)
{
    if (recorder_.isOpen() &&
        recorder_.record(link.liveSample(), link.operatingPoint()))
        return;
    if (!reported_ && !recorder_.error().empty()) {
        std::fprintf(stderr, "recording stopped: %s\n", recorder_.error().c_str());
        reported_ = true;
    }
}

}  // namespace tarvel::ctl
