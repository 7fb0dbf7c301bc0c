// Figures of the data log, printed: the CPU time recording one frame costs
// and the longest a record() call took (both formats); the time to open a log
// of 100,000 records and have every channel ready for a chart; the memory
// such a log takes (the log's own bytes, and the peak resident memory the
// opening adds, measured in a fresh child process).
// Usage: bench_datalog [FOLDER]   (default: a new folder under /tmp)
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "datalog/DataLogRecorder.h"
#include "datalog/LogFile.h"
#include "link/SimulatedUnit.h"

using namespace tarvel;
using namespace tarvel::datalog;
using Clock = std::chrono::steady_clock;

namespace {

constexpr std::size_t kRecords = 100'000;

double cpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

long maxRssKb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

// Frames of the simulated unit, 330 ms apart as the tick asks for them.
std::vector<link::LiveSample> samples()
{
    link::SimulatedUnit unit;
    std::vector<link::LiveSample> out;
    for (int i = 0; i < 1000; ++i)
        out.push_back(link::LiveSample::fromFrame(unit.monitorFrame(330 * i).bytes));
    return out;
}

void recordFigures(const std::string& path, const std::vector<link::LiveSample>& s)
{
    DataLogRecorder rec;
    const auto start = Clock::now();
    if (!rec.open(path, start)) {
        std::printf("cannot open %s: %s\n", path.c_str(), rec.error().c_str());
        return;
    }
    link::OperatingPoint op;
    std::vector<double> wallUs;
    wallUs.reserve(kRecords);
    const double cpu0 = cpuSeconds();
    for (std::size_t i = 0; i < kRecords; ++i) {
        op.opRpmColumn = static_cast<std::uint8_t>(i % 10);
        const auto t0 = Clock::now();
        rec.record(s[i % s.size()], op, start + std::chrono::milliseconds(330 * i));
        wallUs.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
    }
    const double cpu = cpuSeconds() - cpu0;
    rec.close();
    std::sort(wallUs.begin(), wallUs.end());
    std::printf("record %-4s  CPU %.2f us/frame (limit 50)  call p50 %.1f us  p99 %.1f us  max %.0f us  file %.1f MB\n",
                path.substr(path.size() - 3).c_str(), cpu / kRecords * 1e6, wallUs[wallUs.size() / 2],
                wallUs[wallUs.size() * 99 / 100], wallUs.back(),
                static_cast<double>(std::filesystem::file_size(path)) / 1e6);
}

// In a child, so that the peak memory is this opening's alone.
void openFigures(const std::string& path)
{
    std::fflush(stdout);
    const pid_t pid = fork();
    if (pid != 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        return;
    }
    const long rss0 = maxRssKb();
    const auto t0 = Clock::now();
    const DataLog log = readLogFile(path);
    const auto t1 = Clock::now();
    const long rss1 = maxRssKb();
    // Every channel once, as a chart asks for it (one at a time).
    volatile double sink = 0;
    for (std::size_t f = 0; f < log.fields().size(); ++f)
        sink = sink + log.channel(f).back();
    const auto t2 = Clock::now();
    std::printf("open %-4s  %zu records in %.0f ms, then each of the %zu channels for a chart in %.1f ms "
                "(together %.0f ms; limit 1000 ms)\n"
                "          log in memory %.1f MB, peak resident memory added by opening %.1f MB (limit 30); %s\n",
                path.substr(path.size() - 3).c_str(), log.recordCount(),
                std::chrono::duration<double, std::milli>(t1 - t0).count(), log.fields().size(),
                std::chrono::duration<double, std::milli>(t2 - t1).count() / static_cast<double>(log.fields().size()),
                std::chrono::duration<double, std::milli>(t2 - t0).count(), static_cast<double>(log.memoryBytes()) / 1e6,
                static_cast<double>(rss1 - rss0) / 1024.0,
                log.report.message.empty() ? "read whole" : log.report.message.c_str());
    std::fflush(stdout);
    _exit(0);
}

}  // namespace

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    fs::path dir = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / ("tarvel-bench-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const auto s = samples();
    for (const char* name : {"bench.mlg", "bench.msl"})
        recordFigures((dir / name).string(), s);
    for (const char* name : {"bench.mlg", "bench.msl"})
        openFigures((dir / name).string());
    if (argc <= 1)
        fs::remove_all(dir);
    return 0;
}
