// CPU time of one tick of the link: a monitor frame read, decoded into a
// live sample, presented as the live column, and the operating point computed.
#include <benchmark/benchmark.h>

#include <deque>

#include "link/DeviceLink.h"
#include "link/SimulatedUnit.h"
#include "model/StartupImage.h"
#include "present/LivePresenter.h"

using namespace tarvel;
using namespace tarvel::link;

namespace {

// Always has a monitor frame waiting; frames alternate so labels change.
class FrameSource : public SerialDevice {
public:
    FrameSource()
    {
        SimulatedUnit unit;
        for (int i = 0; i < 8; ++i)
            frames_.push_back(unit.monitorFrame(700 * i));
    }
    bool open(const std::string&) override { return true; }
    void close() override {}
    bool isOpen() const override { return true; }
    std::optional<std::size_t> queued() override { return kFrameSize; }
    std::size_t read(std::span<std::uint8_t> into) override
    {
        const auto& f = frames_[next_++ % frames_.size()].bytes;
        std::copy(f.begin(), f.end(), into.begin());
        return kFrameSize;
    }
    bool write(std::span<const std::uint8_t>) override { return true; }

private:
    std::vector<LinkFrame> frames_;
    std::size_t next_ = 0;
};

class QuietHost : public LinkHost {
public:
    void normaliseAndShowImage() override {}
    void portOpenFailed(const DeviceOpenFailure&) override {}
    void unitVersionMismatch(int) override {}
    void releaseNoteChanged(bool) override {}
    void applyCaptions() override {}
    bool tpsMapChecked() const override { return true; }
};

void TickWithMonitorFrame(benchmark::State& state)
{
    ParamImage image = StartupImage();
    QuietHost host;
    DeviceLink link(image, host, std::make_unique<FrameSource>());
    link.openPort();
    for (auto _ : state) {
        link.tick();
        benchmark::DoNotOptimize(link.operatingPoint());
    }
    state.counters["frames"] = static_cast<double>(link.monitorFrames());
}
BENCHMARK(TickWithMonitorFrame);

void DecodeMonitorFrame(benchmark::State& state)
{
    const ParamImage image = StartupImage();
    MessageTable messages;
    messages.loadAll(Language::English);
    SimulatedUnit unit;
    const LinkFrame a = unit.monitorFrame(1000), b = unit.monitorFrame(4000);
    MonitorDecoder decoder;
    present::DisplayState display;
    present::LivePresenter live(display);
    bool flip = false;
    for (auto _ : state) {
        benchmark::DoNotOptimize(decoder.decode((flip = !flip) ? a.bytes : b.bytes));
        live.showSample(decoder.sample(), image, messages);
        benchmark::DoNotOptimize(display.revision());
    }
}
BENCHMARK(DecodeMonitorFrame);

void OperatingPointHighlight(benchmark::State& state)
{
    const ParamImage image = StartupImage();
    std::uint16_t rpm = 0;
    for (auto _ : state) {
        rpm = static_cast<std::uint16_t>(rpm + 137);
        benchmark::DoNotOptimize(computeOperatingPoint(image, rpm, static_cast<std::uint8_t>(rpm % 101), true));
    }
}
BENCHMARK(OperatingPointHighlight);

}  // namespace

BENCHMARK_MAIN();
