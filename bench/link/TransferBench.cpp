// Ticks and wall time of Program, Read and Verify against the simulated unit
// on a pseudo-terminal, on the real 55 ms tick. Prints one line per operation:
// ticks from the start (the first page frame goes out 1 to 4 ticks after it),
// ticks from the first page frame to the end (at best 5 for Program and Read,
// 2 for Verify), and the wall time. Usage: bench_link_transfer [ROUNDS]
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

#include "link/DeviceLink.h"
#include "link/PtySimulator.h"
#include "model/StartupImage.h"
#include "present/StatusPresenter.h"

using namespace tarvel;
using namespace tarvel::link;
using Clock = std::chrono::steady_clock;

namespace {

class CountingHost : public LinkHost {
public:
    explicit CountingHost(ParamImage& image) : image_(image) {}
    void normaliseAndShowImage() override {}
    void portOpenFailed(const DeviceOpenFailure& failure) override
    {
        std::printf("box: %s did not open\n", failure.devicePath.c_str());
    }
    void unitVersionMismatch(int unitVersion) override { std::printf("box: unit version %d\n", unitVersion); }
    void releaseNoteChanged(bool) override {}
    void applyCaptions() override {}
    bool tpsMapChecked() const override { return image_[fld::tpsMap] != 0; }
    void frameSent(const LinkFrame& f) override
    {
        if (f.command() != kMonitorRequest)
            ++pageFrames;
    }
    int pageFrames = 0;

private:
    ParamImage& image_;
};

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
    PtySimulator sim;
    std::string error;
    if (!sim.open(&error)) {
        std::fprintf(stderr, "pseudo-terminal: %s\n", error.c_str());
        return 1;
    }
    std::atomic<bool> stop{false};
    std::thread unit([&] { sim.run(stop); });

    ParamImage image = StartupImage();
    MessageTable messages;
    messages.loadAll(Language::English);
    CountingHost host(image);
    DeviceLink link(image, host);
    link.ports().setOverride(1, sim.slavePath());
    link.port().portIndex = 0;
    link.openPort();

    const auto tick = std::chrono::milliseconds(55);
    auto next = Clock::now();
    auto runTick = [&] {
        std::this_thread::sleep_until(next);
        next += tick;
        link.tick();
    };
    for (int i = 0; i < 12; ++i)  // settle into the idle rhythm
        runTick();

    std::printf("%-8s %5s %12s %12s %10s  %s\n", "op", "round", "ticks", "from 1st", "wall ms", "status");
    struct Op {
        const char* name;
        void (DeviceLink::*start)();
    };
    const Op ops[] = {
        {"Program", &DeviceLink::startProgram}, {"Read", &DeviceLink::startRead}, {"Verify", &DeviceLink::startVerify}};
    int failures = 0;
    for (int round = 0; round < rounds; ++round) {
        for (const Op& op : ops) {
            host.pageFrames = 0;
            (link.*op.start)();
            const auto t0 = Clock::now();
            int ticks = 0, firstAt = -1;
            while (link.transferMode() != TransferMode::Idle && ticks < 400) {
                runTick();
                ++ticks;
                if (firstAt < 0 && host.pageFrames > 0)
                    firstAt = ticks;
            }
            const double ms = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
            const std::string status =
                present::StatusPresenter::textOf(link.status().note(), link.status().noteMessage(), messages);
            failures += status.ends_with(": OK") ? 0 : 1;
            std::printf("%-8s %5d %12d %12d %10.0f  %s\n", op.name, round, ticks, ticks - firstAt, ms, status.c_str());
            // Let the unit finish saving, so the next result is not "Saving:".
            const auto frames = link.monitorFrames();
            for (int i = 0; i < 200 && (link.monitorFrames() < frames + 1 || link.liveValues().unitSaveCount > 0); ++i)
                runTick();
        }
    }
    stop = true;
    unit.join();
    return failures == 0 ? 0 : 1;
}
