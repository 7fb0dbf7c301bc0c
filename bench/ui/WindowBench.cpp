// Figures of the full main window on the offscreen platform: ShowImage, the
// operating-point highlight moving through the map, and (with the device
// link) one tick that decodes a monitor frame.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "TFormHlav.h"

namespace {

tarvel::TFormHlav& window()
{
    static tarvel::TFormHlav* form = [] {
        auto* w = new tarvel::TFormHlav();
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

void BM_HighlightMove(benchmark::State& state)
{
    tarvel::TFormHlav& w = window();
    int step = 0;
    for (auto _ : state) {
        w.setOperatingPoint(tarvel::ToolPoint{.tpsRow = step % 10, .rpmColumn = (step / 10) % 10,
                                              .servoColumn = step % 10, .belowMap = false});
        w.applyHighlight();
        ++step;
    }
}
BENCHMARK(BM_HighlightMove)->MeasureProcessCPUTime()->UseRealTime();

void BM_HighlightStill(benchmark::State& state)
{
    tarvel::TFormHlav& w = window();
    w.setOperatingPoint(tarvel::ToolPoint{.tpsRow = 3, .rpmColumn = 4, .servoColumn = 2, .belowMap = false});
    for (auto _ : state)
        w.applyHighlight();
}
BENCHMARK(BM_HighlightStill)->MeasureProcessCPUTime()->UseRealTime();

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
