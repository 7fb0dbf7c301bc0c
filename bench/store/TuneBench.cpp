// Figures of "never lose a tune": the comparison of two images, the listing
// of a full tune history (each entry read and compared with the window, as
// the history dialog shows it), and what autosave costs the window's tick.
// Usage: bench_store_tune [FOLDER]   (a scratch folder on the disk to
// measure; default a fresh one under the temporary folder, removed after)
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "model/ImageDiff.h"
#include "model/StartupImage.h"
#include "store/AutosaveScheduler.h"
#include "store/StateDump.h"
#include "store/TuneHistory.h"

using namespace tarvel;
using Steady = std::chrono::steady_clock;
namespace fs = std::filesystem;

namespace {

double microseconds(Steady::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

struct Figures {
    std::vector<double> us;
    void add(Steady::duration d) { us.push_back(microseconds(d)); }
    double median()
    {
        std::sort(us.begin(), us.end());
        return us[us.size() / 2];
    }
    double p99()
    {
        std::sort(us.begin(), us.end());
        return us[us.size() * 99 / 100];
    }
    double max() { return *std::max_element(us.begin(), us.end()); }
};

ParamImage variant(int seed)
{
    ParamImage image = StartupImage(static_cast<std::uint8_t>(seed % 32));
    for (int t = 0; t < 10; ++t)
        for (int r = 0; r < 10; ++r)
            image.advance(t, r) = static_cast<std::uint8_t>((seed * 7 + t * 3 + r) % 50);
    return image;
}

void benchComparison()
{
    const ParamImage a = StartupImage();
    const ParamImage few = [&] {
        ParamImage b = a;
        b[fld::limiter] = 120;
        b.advance(3, 3) = 30;
        return b;
    }();
    const ParamImage many = variant(5);
    struct Case {
        const char* what;
        const ParamImage* b;
    } cases[] = {{"equal images", &a}, {"2 fields differ", &few}, {"most fields differ", &many}};
    for (const Case& c : cases) {
        Figures f;
        int rows = 0;
        for (int i = 0; i < 20000; ++i) {
            const auto t0 = Steady::now();
            const ImageDiff diff(a, *c.b);
            rows = diff.count();
            f.add(Steady::now() - t0);
        }
        std::printf("comparison, %-20s (%3d rows): median %5.2f us, 99%% %6.2f us, max %7.1f us   (target < 1000 us)\n",
                    c.what, rows, f.median(), f.p99(), f.max());
    }
}

void benchHistory(const std::string& scratch)
{
    const std::string folder = scratch + "/history";
    TuneHistory history(folder);
    const auto write0 = Steady::now();
    for (int i = 0; i < TuneHistory::kKeep; ++i) {
        TuneRecord record{std::chrono::system_clock::now() + std::chrono::seconds(i), "Yamaha R6", "ZEV07",
                          "10.12.2026", "11:54"};
        history.record(variant(i), record);
    }
    const double writeMs = microseconds(Steady::now() - write0) / 1000.0;
    const ParamImage window = StartupImage();
    Figures f;
    std::size_t listed = 0;
    int differing = 0;
    for (int round = 0; round < 20; ++round) {
        const auto t0 = Steady::now();
        const auto entries = history.list(StartupImage());
        differing = 0;
        for (const TuneEntry& e : entries)
            differing += CountDifferences(window, e.image);
        f.add(Steady::now() - t0);
        listed = entries.size();
    }
    const double first = f.us.front() / 1000.0;
    std::printf(
        "history, list %zu entries and compare each with the window (%d differences): first %5.1f ms, "
        "median %5.1f ms, max %5.1f ms   (target < 200 ms)\n",
        listed, differing, first, f.median() / 1000.0, f.max() / 1000.0);
    std::printf("history, record one entry (write, sync, rename, prune): %6.2f ms on average\n",
                writeMs / TuneHistory::kKeep);
}

void benchAutosave(const std::string& scratch)
{
    const std::string path = scratch + "/_tarvel3";
    // What a write on the tick itself would cost.
    Figures direct;
    for (int i = 0; i < 50; ++i) {
        const auto t0 = Steady::now();
        SaveStateDump(path, variant(i));
        direct.add(Steady::now() - t0);
    }
    std::printf("state dump written on the caller's thread: median %7.1f us, max %7.1f us\n", direct.median(),
                direct.max());

    // Worst case for the tick: a commit before every tick and a clock that
    // makes every tick due, so each tick hands over a write or finds one running.
    AutosaveScheduler autosave(path);
    Figures commit, poll;
    Steady::time_point clock{};
    const auto start = Steady::now();
    for (int tick = 0; tick < 3000; ++tick) {
        const ParamImage image = variant(tick);
        auto t0 = Steady::now();
        autosave.commit(image);
        commit.add(Steady::now() - t0);
        clock += std::chrono::seconds(1);
        t0 = Steady::now();
        autosave.poll(clock);
        poll.add(Steady::now() - t0);
        if (tick % 20 == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));  // let the writer run now and then
    }
    autosave.flush();
    const double seconds = microseconds(Steady::now() - start) / 1e6;
    std::printf(
        "autosave on the tick: commit median %5.2f us, 99%% %5.2f us, max %6.1f us; poll median %5.2f us, "
        "99%% %5.2f us, max %6.1f us   (target < 1000 us); %d dumps written in %.1f s\n",
        commit.median(), commit.p99(), commit.max(), poll.median(), poll.p99(), poll.max(), autosave.writes(), seconds);
}

}  // namespace

int main(int argc, char** argv)
{
    std::string scratch;
    bool remove = false;
    if (argc > 1) {
        scratch = argv[1];
        fs::create_directories(scratch);
    } else {
        std::string pattern = (fs::temp_directory_path() / "tarvel3-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            return 1;
        }
        scratch = pattern;
        remove = true;
    }
    benchComparison();
    benchHistory(scratch);
    benchAutosave(scratch);
    if (remove)
        fs::remove_all(scratch);
    return 0;
}
