// Arbitrary bytes on the serial line, in arbitrary pieces, while the link
// runs an operation: the frame classifier, the reply tests, the transfer
// engine and the monitor decoder must take anything without crashing,
// hanging or leaving their ranges.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <deque>

#include "link/DeviceLink.h"
#include "link/SimulatedUnit.h"
#include "model/StartupImage.h"

using namespace tarvel;
using namespace tarvel::link;

namespace {

class FuzzDevice : public SerialDevice {
public:
    bool open(const std::string&) override { return open_ = true; }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    std::optional<std::size_t> queued() override { return rx.size(); }
    std::size_t read(std::span<std::uint8_t> into) override
    {
        const std::size_t n = std::min(into.size(), rx.size());
        for (std::size_t i = 0; i < n; ++i) {
            into[i] = rx.front();
            rx.pop_front();
        }
        return n;
    }
    bool write(std::span<const std::uint8_t>) override { return true; }
    std::deque<std::uint8_t> rx;

private:
    bool open_ = false;
};

class Host : public LinkHost {
public:
    explicit Host(ParamImage& image) : image_(image) {}
    void normaliseAndShowImage() override {}
    void showMessageBox(const std::string&, const std::string&) override {}
    void releaseNoteChanged(bool) override {}
    void applyCaptions() override {}
    bool tpsMapChecked() const override { return image_[fld::tpsMap] != 0; }

private:
    ParamImage& image_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ParamImage startup = StartupImage();
    static MessageTable messages = [] {
        MessageTable m;
        m.loadAll(Language::English);
        return m;
    }();
    if (size < 2)
        return 0;
    ParamImage image = startup;
    Host host(image);
    auto device = std::make_unique<FuzzDevice>();
    FuzzDevice* dev = device.get();
    DeviceLink link(image, messages, host, std::move(device));
    link.openPort();

    switch (data[0] % 5) {
        case 0:
            link.startProgram();
            break;
        case 1:
            link.startRead();
            break;
        case 2:
            link.startVerify();
            break;
        case 3:
            link.loaderMessage(link.port().portNumber(), kLoaderResetRelease);
            break;
        default:
            break;
    }
    // Each piece: one length byte, then that many line bytes, then a tick.
    std::size_t at = 1;
    while (at < size) {
        const std::size_t wanted = data[at] * 2u;
        ++at;
        const std::size_t piece = std::min<std::size_t>(wanted, size - at);
        dev->rx.insert(dev->rx.end(), data + at, data + at + piece);
        at += piece;
        link.tick();
        const auto& s = link.status();
        if (s.gaugeProgress() < 0 || s.gaugeProgress() > s.gaugeMax())
            std::abort();
        if (link.operatingPoint().opRpmColumn > 9 || link.operatingPoint().opTpsRow > 9 ||
            link.operatingPoint().opServoColumn > 9)
            std::abort();
    }
    return 0;
}
