// What a start-up child reports to the start-up benchmark: the moment its
// window is first painted, with the CPU time it had used by then.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <time.h>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace tarvel::bench {

// CPU time of this process (all its threads) since it began, in ms.
inline double processCpuMs()
{
    timespec used{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return static_cast<double>(used.tv_sec) * 1e3 + static_cast<double>(used.tv_nsec) / 1e6;
}

// Installed on the window: at its first paint prints "shown CPU_MS" on
// standard output, then quits the program unless told that the child quits
// by itself (at once, without tidying up, with STARTUP_END_AT_PAINT=1, which
// suits a profiler).
class FirstPaint : public QObject {
public:
    enum class Then { Quit, GoOn };
    explicit FirstPaint(std::function<void()> atPaint = {}, Then then = Then::Quit)
        : atPaint_(std::move(atPaint)), then_(then)
    {
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            if (atPaint_)
                atPaint_();
            std::fprintf(stdout, "shown %.3f\n", processCpuMs());
            std::fflush(stdout);
            if (qEnvironmentVariableIsSet("STARTUP_END_AT_PAINT"))
                std::_Exit(0);
            if (then_ == Then::Quit)
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    std::function<void()> atPaint_;
    Then then_;
    bool seen_ = false;
};

}  // namespace tarvel::bench
