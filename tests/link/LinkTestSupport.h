// Shared pieces of the link tests: a host that records what the link asks of
// the window, and a serial device whose received bytes the test scripts.
#pragma once

#include <cerrno>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "link/DeviceLink.h"
#include "link/SimulatedUnitDevice.h"
#include "model/Normalise.h"
#include "present/MessagePresenter.h"
#include "present/StatusPresenter.h"

namespace tarvel::link::test {

// What the status label says for the status area's note (English table).
inline std::string statusText(const StatusArea& status, const MessageTable& messages)
{
    return present::StatusPresenter::textOf(status.note(), status.noteMessage(), messages);
}

class RecordingHost : public LinkHost {
public:
    explicit RecordingHost(ParamImage& image) : image_(image) {}

    void normaliseAndShowImage() override
    {
        NormaliseImage(image_);
        ++shows;
    }
    // The words the window would show, to check them as the user sees them.
    void portOpenFailed(const DeviceOpenFailure& failure) override
    {
        showBox(present::MessagePresenter::portOpenFailed(failure, messages(), Language::English));
    }
    void unitVersionMismatch(int unitVersion) override
    {
        showBox(present::MessagePresenter::unitVersionMismatch(unitVersion, messages()));
    }
    void showBox(const present::MessageBoxText& box)
    {
        boxes.push_back(box.text);
        details.push_back(box.detail);
        if (insideBox)
            insideBox();
    }
    void releaseNoteChanged(bool shown) override { releaseNotes.push_back(shown); }
    void applyCaptions() override { ++captions; }
    bool tpsMapChecked() const override { return tpsMap; }
    void portLabelChanged(const std::string& label, const std::string& path) override
    {
        labels.push_back(label);
        paths.push_back(path);
    }
    void portMenuChecked(int portIndex) override { checked.push_back(portIndex); }
    void frameSent(const LinkFrame&) override { ++framesSent; }

    std::vector<std::string> boxes;
    std::vector<std::string> details;  // in step with `boxes`
    std::function<void()> insideBox;   // runs while the "modal box" is open
    std::vector<bool> releaseNotes;
    int captions = 0;
    int framesSent = 0;
    int shows = 0;
    bool tpsMap = true;
    std::vector<std::string> labels;
    std::vector<std::string> paths;
    std::vector<int> checked;

private:
    // The boxes' words in English, as the tests check them.
    static const MessageTable& messages()
    {
        static const MessageTable table = [] {
            MessageTable t;
            t.loadAll(Language::English);
            return t;
        }();
        return table;
    }

    ParamImage& image_;
};

// Bytes to read are put in by the test; writes are recorded.
class ScriptedDevice : public SerialDevice {
public:
    bool open(const std::string& path) override
    {
        opened.push_back(path);
        open_ = openWorks;
        return open_;
    }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    std::string lastError() const override { return open_ ? std::string() : opened.back() + ": No such device"; }
    DeviceOpenFailure openFailure() const override
    {
        return open_ ? DeviceOpenFailure{}
                     : DeviceOpenFailure{.devicePath = opened.back(),
                                         .step = DeviceOpenFailure::Step::Open,
                                         .errnoValue = ENODEV,
                                         .owningGroup = {}};
    }
    std::optional<std::size_t> queued() override
    {
        if (!open_)
            return std::nullopt;
        return rx.size();
    }
    std::size_t read(std::span<std::uint8_t> into) override
    {
        const std::size_t n = std::min(into.size(), rx.size());
        for (std::size_t i = 0; i < n; ++i) {
            into[i] = rx.front();
            rx.pop_front();
        }
        return n;
    }
    bool write(std::span<const std::uint8_t> bytes) override
    {
        written.emplace_back(bytes.begin(), bytes.end());
        return true;
    }
    void push(std::span<const std::uint8_t> bytes) { rx.insert(rx.end(), bytes.begin(), bytes.end()); }

    bool openWorks = true;
    std::vector<std::string> opened;
    std::deque<std::uint8_t> rx;
    std::vector<std::vector<std::uint8_t>> written;

private:
    bool open_ = false;
};

}  // namespace tarvel::link::test
