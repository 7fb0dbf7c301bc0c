#include "ShutdownSignals.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <csignal>

namespace tarvel {

namespace {
int pipeEnds[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
}  // namespace

ShutdownSignals::ShutdownSignals(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal))
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeEnds) != 0)
        return;
    ::fcntl(pipeEnds[0], F_SETFL, O_NONBLOCK);
    ::fcntl(pipeEnds[1], F_SETFL, O_NONBLOCK);
    notifier_ = std::make_unique<QSocketNotifier>(pipeEnds[1], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
        char drained[16];
        while (::read(pipeEnds[1], drained, sizeof drained) > 0) {
        }
        if (onSignal_)
            onSignal_();
    });
    struct sigaction action {};
    action.sa_handler = &ShutdownSignals::handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : kSignals)
        ::sigaction(sig, &action, nullptr);
}

ShutdownSignals::~ShutdownSignals()
{
    for (int sig : kSignals)
        ::signal(sig, SIG_DFL);
    notifier_.reset();
    for (int& end : pipeEnds) {
        if (end >= 0)
            ::close(end);
        end = -1;
    }
}

void ShutdownSignals::handle(int)
{
    const char byte = 1;
    [[maybe_unused]] auto written = ::write(pipeEnds[0], &byte, 1);
}

}  // namespace tarvel
