#include "UnitSession.h"

#include <csignal>
#include <thread>

#include "CtlSettings.h"
#include "model/Normalise.h"
#include "present/MessagePresenter.h"
#include "present/StatusPresenter.h"

namespace tarvel::ctl {

namespace {
constexpr auto kTick = std::chrono::milliseconds(55);
constexpr int kOperationTicks = 400;  // far beyond the slowest operation that can end well

std::atomic<bool> gStop{false};

void onStopSignal(int)
{
    gStop.store(true);
}
}  // namespace

const std::atomic<bool>& InstallStopSignals()
{
    struct sigaction sa {};
    sa.sa_handler = onStopSignal;
    sigemptyset(&sa.sa_mask);
    for (int sig : {SIGINT, SIGTERM, SIGHUP})
        sigaction(sig, &sa, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    return gStop;
}

UnitSession::UnitSession(ParamImage& image) : image_(image), link_(image, *this)
{
    messages_.loadAll(Language::English);
}

bool UnitSession::open(const std::string& port)
{
    auto& p = link_.port();
    LoadPortOverrides(link_.ports());
    if (const auto n = link::PortTable::portNumber(port)) {
        p.portIndex = static_cast<std::uint8_t>(*n - 1);
    } else {
        link_.ports().setOverride(1, port);
        p.portIndex = 0;
    }
    link_.openPort();
    if (!p.isOpen()) {
        // The link has shown "Com opening error!"; add why.
        std::fprintf(stderr, "%s\n",
                     present::MessagePresenter::openFailureDetail(p.device().openFailure(), Language::English).c_str());
        return false;
    }
    return true;
}

void UnitSession::normaliseAndShowImage()
{
    NormaliseImage(image_);
}

void UnitSession::portOpenFailed(const link::DeviceOpenFailure& failure)
{
    printBox(present::MessagePresenter::portOpenFailed(failure, messages_, Language::English).text);
}

void UnitSession::unitVersionMismatch(int unitVersion)
{
    printBox(present::MessagePresenter::unitVersionMismatch(unitVersion, messages_).text);
}

void UnitSession::printBox(const std::string& text)
{
    // The port's detail is printed by openPort's caller, which knows it failed.
    boxShown_ = true;
    std::fprintf(stderr, "%s\n", text.c_str());
}

bool UnitSession::tpsMapChecked() const
{
    return image_[fld::tpsMap] != 0;
}

void UnitSession::printStatusIfChanged()
{
    const auto& s = link_.status();
    // The words the window would show; a note given again in the same words is printed once.
    const std::string text = present::StatusPresenter::textOf(s.note(), s.noteMessage(), messages_);
    if (text != lastStatus_) {
        lastStatus_ = text;
        std::FILE* out = s.colour() == link::LinkColour::Red ? stderr : statusOut;
        std::fprintf(out, "%s\n", lastStatus_.c_str());
        std::fflush(out);
    }
}

void UnitSession::tickOnce()
{
    const auto now = std::chrono::steady_clock::now();
    if (next_.time_since_epoch().count() == 0 || now > next_ + kTick)
        next_ = now;  // first tick, or we fell behind: do not catch up in a burst
    std::this_thread::sleep_until(next_);
    next_ += kTick;
    link_.tick();
    printStatusIfChanged();
}

bool UnitSession::runUntil(const std::function<bool()>& done, int maxTicks, const std::atomic<bool>* stop)
{
    for (int i = 0; i < maxTicks; ++i) {
        if (stop && stop->load())
            return false;
        tickOnce();
        if (done())
            return true;
    }
    return false;
}

bool UnitSession::runOperation()
{
    const bool ended = runUntil([&] { return link_.transferMode() == link::TransferMode::Idle; }, kOperationTicks,
                                &InstallStopSignals());
    const link::StatusNote note = link_.status().note();
    return ended && !boxShown_ && (note == link::StatusNote::VerifyOk || note == link::StatusNote::ProgramOk);
}

}  // namespace tarvel::ctl
