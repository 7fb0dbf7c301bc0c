#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <thread>

#include "Commands.h"
#include "CtlSettings.h"
#include "MonitorRecording.h"
#include "ParamFiles.h"
#include "UnitSession.h"
#include "link/LoaderSocket.h"
#include "link/PtySimulator.h"
#include "link/SimulatedUnit.h"
#include "model/Normalise.h"
#include "model/StartupImage.h"
#include "present/LivePresenter.h"

namespace tarvel::ctl {

namespace {

// The connection label's text: the unit stopped answering.
constexpr const char* kNoConnection = "No connection with PC";
// The last line when program stops waiting while the unit may still be saving.
constexpr const char* kStillSavingText =
    "The unit has not reported the end of its saving: do not disconnect it until it has finished.";
constexpr int kSaveWaitTicks = 300;  // about 16.5 s

std::optional<long long> number(const std::string& s)
{
    long long v = 0;
    const bool hex = s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X');
    const char* first = s.data() + (hex ? 2 : 0);
    const char* last = s.data() + s.size();
    const auto r = std::from_chars(first, last, v, hex ? 16 : 10);
    if (r.ec != std::errc() || r.ptr != last || first == last)
        return std::nullopt;
    return v;
}

int usage(const char* text)
{
    std::fprintf(stderr, "usage: tarvel3ctl %s\n", text);
    return kUsage;
}

// "--port PORT FILE" in any order.
bool portAndFile(const Args& args, std::string& port, std::string& file)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--port" && i + 1 < args.size())
            port = args[++i];
        else if (file.empty() && !args[i].starts_with("--"))
            file = args[i];
        else
            return false;
    }
    return !port.empty() && !file.empty();
}

// The file's parameters over the start-up image, normalised, as the program
// would send them.
std::optional<ParamImage> imageFromFile(const std::string& path)
{
    ParamImage image = StartupImage();
    if (!LoadParamFile(path, image))
        return std::nullopt;
    NormaliseImage(image);
    return image;
}

enum class Operation { Program, Verify };

int runOnFile(const Args& args, Operation op, const char* usageText)
{
    std::string port, file;
    if (!portAndFile(args, port, file))
        return usage(usageText);
    auto image = imageFromFile(file);
    if (!image)
        return kFailed;
    UnitSession session(*image);
    if (!session.open(port))
        return kFailed;
    auto& link = session.link();
    if (op == Operation::Verify) {
        link.startVerify();
        return session.runOperation() ? kOk : kFailed;
    }
    link.startProgram();
    if (!session.runOperation())
        return kFailed;
    // The unit stores the pages after the verification: wait until its live
    // data says the saving is over, so nobody unplugs it halfway. A unit that
    // falls silent meanwhile may not have stored them; one that is still
    // saving when the wait ends (or a signal cuts it short) gets its own
    // status, never the one of success.
    const auto frames = link.monitorFrames();
    const auto saved = [&] { return link.monitorFrames() > frames && link.liveValues().unitSaveCount == 0; };
    session.runUntil([&] { return saved() || link.connectionLost(); }, kSaveWaitTicks, &InstallStopSignals());
    if (link.connectionLost()) {
        std::fprintf(stderr, "%s\n", kNoConnection);
        return kFailed;
    }
    if (!saved()) {
        std::fprintf(stderr, "%s\n", kStillSavingText);
        return kStillSaving;
    }
    return kOk;
}

}  // namespace

int cmdRead(const Args& args)
{
    std::string port, file;
    if (!portAndFile(args, port, file))
        return usage("read --port PORT FILE");
    ParamImage image = StartupImage();
    UnitSession session(image);
    if (!session.open(port))
        return kFailed;
    session.link().startRead();
    if (!session.runOperation())
        return kFailed;
    return SaveParamFile(file, image) ? kOk : kFailed;
}

int cmdProgram(const Args& args)
{
    return runOnFile(args, Operation::Program, "program --port PORT FILE");
}

int cmdVerify(const Args& args)
{
    return runOnFile(args, Operation::Verify, "verify --port PORT FILE");
}

int cmdMonitor(const Args& args)
{
    const char* text = "monitor --port PORT [--frames N] [--log FILE]";
    std::string port, logFile;
    long long frames = -1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--port" && i + 1 < args.size()) {
            port = args[++i];
        } else if (args[i] == "--frames" && i + 1 < args.size()) {
            const auto n = number(args[++i]);
            if (!n || *n < 1)
                return usage(text);
            frames = *n;
        } else if (args[i] == "--log" && i + 1 < args.size()) {
            logFile = args[++i];
        } else {
            return usage(text);
        }
    }
    if (port.empty())
        return usage(text);

    ParamImage image = StartupImage();
    UnitSession session(image);
    if (!session.open(port))
        return kFailed;
    MonitorRecording recording;
    if (!logFile.empty() && !recording.open(logFile))
        return kFailed;
    auto& link = session.link();
    const auto& stop = InstallStopSignals();
    // The live line is what the window's live column shows.
    present::DisplayState display;
    present::LivePresenter live(display);
    long long printed = 0;
    std::uint32_t seen = link.monitorFrames();
    bool lost = false;
    // Give up after about 5 s without a frame, like a technician would.
    while (!stop.load() && (frames < 0 || printed < frames)) {
        if (!session.runUntil([&] { return link.monitorFrames() != seen; }, 90, &stop)) {
            lost = !stop.load();
            break;
        }
        seen = link.monitorFrames();
        if (!logFile.empty())
            recording.record(link);
        live.showSample(link.liveSample(), image, session.messages());
        const std::string line = present::LivePresenter::monitorLine(display);
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
        ++printed;
    }
    if (lost) {
        std::fprintf(stderr, "%s\n", kNoConnection);
        return kFailed;
    }
    // Stopped by a signal: fine unless a number of frames was asked for.
    return frames >= 0 && printed < frames ? kFailed : kOk;
}

int cmdSimulate(const Args& args)
{
    link::SimulatedUnitOptions o;
    const char* text =
        "simulate [--version N] [--no-reading] [--drop-every N] [--corrupt-every N] [--noise] [--delay MS] "
        "[--save-ms MS]";
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](int& into, long long lo, long long hi) {
            if (i + 1 >= args.size())
                return false;
            const auto n = number(args[++i]);
            if (!n || *n < lo || *n > hi)
                return false;
            into = static_cast<int>(*n);
            return true;
        };
        bool ok = true;
        if (a == "--version")
            ok = value(o.formatVersion, 0, 255);
        else if (a == "--no-reading")
            o.readingPermitted = false;
        else if (a == "--drop-every")
            ok = value(o.dropEvery, 1, 1000000);
        else if (a == "--corrupt-every")
            ok = value(o.corruptEvery, 1, 1000000);
        else if (a == "--noise")
            o.noise = true;
        else if (a == "--delay")
            ok = value(o.delayMs, 0, 60000);
        else if (a == "--save-ms")
            ok = value(o.saveMs, 1, 86400000);
        else
            ok = false;
        if (!ok)
            return usage(text);
    }
    const auto& stop = InstallStopSignals();
    link::PtySimulator sim(o);
    std::string error;
    if (!sim.open(&error)) {
        std::fprintf(stderr, "tarvel3ctl simulate: %s\n", error.c_str());
        return kFailed;
    }
    std::printf("%s\n", sim.slavePath().c_str());
    std::fflush(stdout);
    sim.run(stop);
    // What the fault switches did, for soak runs.
    const link::SimulatedUnit& unit = sim.unit();
    const int requests = unit.requestsSeen();
    const int answers = unit.answersSent();
    std::fprintf(stderr, "simulate: requests %d, dropped %d, corrupted %d, noisy %d\n", requests,
                 o.dropEvery > 0 ? requests / o.dropEvery : 0, o.corruptEvery > 0 ? answers / o.corruptEvery : 0,
                 o.noise ? answers / 3 : 0);
    return kOk;
}

int cmdLoaderMessage(const Args& args)
{
    const char* text = "loader-message WPARAM LPARAM [--socket PATH]";
    std::vector<std::string> numbers;
    std::string socket;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--socket" && i + 1 < args.size())
            socket = args[++i];
        else
            numbers.push_back(args[i]);
    }
    const auto w = numbers.size() == 2 ? number(numbers[0]) : std::nullopt;
    const auto l = numbers.size() == 2 ? number(numbers[1]) : std::nullopt;
    if (!w || !l)
        return usage(text);
    if (socket.empty())
        socket = link::loaderSocketPath(SettingsFolder()).string();
    std::string error;
    if (!link::sendLoaderMessage(socket, {*w, *l}, &error)) {
        std::fprintf(stderr, "tarvel3ctl loader-message: %s\n", error.c_str());
        return kFailed;
    }
    return kOk;
}

}  // namespace tarvel::ctl
