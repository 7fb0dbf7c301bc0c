// The data log of `monitor --log FILE`: one record per accepted monitor frame.
#pragma once

#include <string>

#include "datalog/DataLogRecorder.h"
#include "link/DeviceLink.h"

namespace tarvel::ctl {

class MonitorRecording {
public:
    ~MonitorRecording();
    // False, with the reason printed, when the log cannot be created.
    bool open(const std::string& path);
    // Records the link's last accepted frame; a failed write is printed once
    // and ends the recording.
    void record(const link::DeviceLink& link);
    bool active() const { return recorder_.isOpen(); }

private:
    datalog::DataLogRecorder recorder_;
    bool reported_ = false;
};

}  // namespace tarvel::ctl
