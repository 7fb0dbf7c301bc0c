// The link as the command line runs it: one DeviceLink on a real serial
// device, ticked every 55 ms, printing the status texts as they change and
// message boxes as error lines.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "link/DeviceLink.h"
#include "model/Messages.h"
#include "model/ParamImage.h"

namespace tarvel::ctl {

class UnitSession : public link::LinkHost {
public:
    explicit UnitSession(ParamImage& image);

    // PORT is COM1..COM20 or a device path. False, with the reason printed,
    // when the port does not open.
    bool open(const std::string& port);

    // Ticks every 55 ms until done() says so, maxTicks have passed or `stop`
    // is set; returns false in the last two cases.
    bool runUntil(const std::function<bool()>& done, int maxTicks, const std::atomic<bool>* stop = nullptr);
    // Ticks until the running operation is over; true when it ended in ": OK".
    bool runOperation();

    link::DeviceLink& link() { return link_; }
    const MessageTable& messages() const { return messages_; }
    bool boxShown() const { return boxShown_; }
    // Where the normal status texts go (red ones always go to standard error).
    std::FILE* statusOut = stdout;

    // LinkHost
    void normaliseAndShowImage() override;
    void portOpenFailed(const link::DeviceOpenFailure& failure) override;
    void unitVersionMismatch(int unitVersion) override;
    // Prints the text of the box the window would show.
    void printBox(const std::string& text);
    void releaseNoteChanged(bool) override {}
    void applyCaptions() override {}
    bool tpsMapChecked() const override;

private:
    void tickOnce();
    void printStatusIfChanged();

    ParamImage& image_;
    MessageTable messages_;
    link::DeviceLink link_;
    std::string lastStatus_;
    bool boxShown_ = false;
    std::chrono::steady_clock::time_point next_{};
};

// Ends a waiting loop on SIGINT, SIGTERM or SIGHUP.
const std::atomic<bool>& InstallStopSignals();

}  // namespace tarvel::ctl
