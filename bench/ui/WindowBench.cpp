// Figures of the full main window on the offscreen platform: ShowImage, the
// operating-point highlight moving through the map, and (with the device
// link) one tick that decodes a monitor frame.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QTemporaryDir>

#include <chrono>
#include <ctime>

#include "TFormHlav.h"
#include "link/SimulatedUnitDevice.h"

namespace {

tarvel::link::SimulatedUnitDevice* unit = nullptr;

// The window on a simulated unit in the same process, its timer stopped: the
// benchmarks drive the ticks.
tarvel::TFormHlav& window()
{
    static tarvel::TFormHlav* form = [] {
        auto device = std::make_unique<tarvel::link::SimulatedUnitDevice>();
        unit = device.get();
        auto* w = new tarvel::TFormHlav(nullptr, std::move(device));
        w->FormCreate({}, QApplication::applicationDirPath());
        w->timer1().stop();
        w->show();
        QApplication::processEvents();
        return w;
    }();
    return *form;
}

void BM_ShowImage(benchmark::State& state)
{
    tarvel::TFormHlav& w = window();
    int round = 0;
    for (auto _ : state) {
        // A different map every round, so that the edits really change.
        w.image()[tarvel::fld::advance + round % 100] = static_cast<std::uint8_t>(round % 60);
        w.ShowImage();
        ++round;
    }
}
BENCHMARK(BM_ShowImage)->MeasureProcessCPUTime()->UseRealTime();

// Holds the unit's engine at map column `column` and throttle row `row` (the
// throttle map is on) and lets the link find that point; not timed.
void holdEngineAt(tarvel::TFormHlav& w, int column, int row)
{
    const tarvel::ParamImage& image = w.image();
    auto& held = unit->unit().options();
    held.heldRpm = image[tarvel::fld::mapRpm + column] * 100;
    const tarvel::ParamImage& stored = unit->unit().stored();
    const int tps0Mv = stored[tarvel::fld::tps0] * 10;
    const int tps100Mv = stored[tarvel::fld::tps100] * 10 + 2500;
    held.heldTpsMv = tps0Mv + (tps100Mv - tps0Mv) * tarvel::kTpsBreakpoints[static_cast<std::size_t>(row)] / 100;
    const auto frames = w.deviceLink().monitorFrames();
    for (int i = 0; i < 20 && w.deviceLink().monitorFrames() == frames; ++i) {
        unit->nowMs += tarvel::TFormHlav::kTimerMs;
        w.deviceLink().tick();
    }
}

// The engine sweeps again for the benchmarks after these.
void releaseEngine()
{
    unit->unit().options().heldRpm = -1;
    unit->unit().options().heldTpsMv = -1;
}

// The highlight following the operating point through the map; the time is
// that of repainting alone (the link's tick that moves the point is not timed).
void BM_HighlightMove(benchmark::State& state)
{
    tarvel::TFormHlav& w = window();
    w.controls().CheckBoxTpsMapa->setChecked(true);
    int step = 0;
    for (auto _ : state) {
        holdEngineAt(w, (step / 10) % 10, step % 10);
        const auto start = std::chrono::steady_clock::now();
        w.applyHighlight();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        ++step;
    }
    w.controls().CheckBoxTpsMapa->setChecked(false);
    releaseEngine();
}
BENCHMARK(BM_HighlightMove)->UseManualTime();

void BM_HighlightStill(benchmark::State& state)
{
    tarvel::TFormHlav& w = window();
    holdEngineAt(w, 4, 9);
    for (auto _ : state)
        w.applyHighlight();
    releaseEngine();
}
BENCHMARK(BM_HighlightStill)->MeasureProcessCPUTime()->UseRealTime();

double cpuNow()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// One tick of the window's timer that decodes a monitor frame: poll, decode,
// the idle step, the watchdog, and drawing what changed (live labels, gauges,
// the highlight). The unit's engine sweeps through the map, so the lit cell
// moves. Ticks without a frame run untimed between iterations; the reported
// time is that of the frame tick alone (wall clock; cpu_us is its CPU time).
void BM_TickWithMonitorFrame(benchmark::State& state)
{
    tarvel::TFormHlav& w = window();
    double cpu = 0;
    for (auto _ : state) {
        for (;;) {
            unit->nowMs += tarvel::TFormHlav::kTimerMs;
            const auto frames = w.deviceLink().monitorFrames();
            const double cpuStart = cpuNow();
            const auto start = std::chrono::steady_clock::now();
            w.Timer1Timer();
            const auto end = std::chrono::steady_clock::now();
            if (w.deviceLink().monitorFrames() != frames) {
                cpu += cpuNow() - cpuStart;
                state.SetIterationTime(std::chrono::duration<double>(end - start).count());
                break;
            }
        }
    }
    state.counters["cpu_us"] = benchmark::Counter(cpu * 1e6, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_TickWithMonitorFrame)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Every tick (most without a frame), followed by the event loop painting the
// controls the tick changed, as the running program does.
void BM_TickAndPaint(benchmark::State& state)
{
    tarvel::TFormHlav& w = window();
    for (auto _ : state) {
        unit->nowMs += tarvel::TFormHlav::kTimerMs;
        w.Timer1Timer();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_TickAndPaint)->MeasureProcessCPUTime()->UseRealTime();

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A settings folder of its own: the user's settings stay untouched.
    QTemporaryDir home;
    qputenv("TARVEL3_HOME", home.path().toUtf8());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
