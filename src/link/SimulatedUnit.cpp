#include "link/SimulatedUnit.h"

#include <algorithm>
#include <cmath>

#include "link/MonitorDecoder.h"
#include "link/OperatingPoint.h"
#include "model/FieldTable.h"
#include "model/StartupImage.h"

namespace tarvel::link {

namespace {
constexpr std::int64_t kFrameGapMs = 30;  // a partial request older than this is dropped
constexpr std::int64_t kSweepMs = 12000;    // one sweep of the engine speed up and down
constexpr std::int64_t kThrottleMs = 7000;  // one opening and closing of the throttle

// 0 -> 1 -> 0 over one period.
double triangle(std::int64_t t, std::int64_t period)
{
    const double phase = static_cast<double>(t % period) / static_cast<double>(period);
    return phase < 0.5 ? 2.0 * phase : 2.0 * (1.0 - phase);
}

void put16(LinkFrame& f, int at, int v)
{
    v = std::clamp(v, 0, 0xFFFF);
    f.bytes[static_cast<std::size_t>(at)] = static_cast<std::uint8_t>(v & 0xFF);
    f.bytes[static_cast<std::size_t>(at) + 1] = static_cast<std::uint8_t>(v >> 8);
}

void putFlag(LinkFrame& f, int at, bool on)
{
    f.bytes[static_cast<std::size_t>(at)] = on ? 1 : 0;
}

// Linear interpolation of a curve given at ten ascending speeds.
int interpolate(const ParamImage& img, int rpmAxis, int valueAxis, int rpm, int scale)
{
    auto x = [&](int i) { return img[rpmAxis + i] * 100; };
    auto y = [&](int i) { return img[valueAxis + i] * scale; };
    if (rpm <= x(0))
        return y(0);
    for (int i = 1; i < 10; ++i) {
        if (rpm <= x(i)) {
            const int span = std::max(1, x(i) - x(i - 1));
            return y(i - 1) + (y(i) - y(i - 1)) * (rpm - x(i - 1)) / span;
        }
    }
    return y(9);
}
// The pages a unit holds when the program has programmed its start-up image:
// programming reads the controls first, so every number stands within its
// control's range (the unused channels' lobe numbers 0 become 1).
ParamImage FactoryPages()
{
    ParamImage image = StartupImage();
    for (const FieldDescriptor& d : fieldTable()) {
        if (d.kind != ControlKind::UpDown)
            continue;
        for (int e = 0; e < d.count; ++e)
            d.setControlValue(image, e, std::clamp(d.controlValue(image, e), d.minimum(e), d.max));
    }
    return image;
}
}  // namespace

SimulatedUnit::SimulatedUnit(SimulatedUnitOptions options) : options_(options), stored_(FactoryPages()) {}

IdentPage SimulatedUnit::identPage() const
{
    IdentPage p;
    auto& b = p.bytes;
    b[0] = 'Z';
    b[1] = 'E';
    b[2] = 'V';
    b[3] = 7;   // version number
    b[4] = 14;  // built 14 March 2025, 10:30
    b[5] = codeOfMonth(3);
    b[6] = 25;
    b[7] = 10;
    b[8] = 30;
    // A unit programmed with "No Reading" refuses later reads.
    b[IdentPage::kReadPermitted] = options_.readingPermitted && stored_[fld::noReading] == 0 ? 1 : 0;
    b[IdentPage::kFormatVersion] = static_cast<std::uint8_t>(options_.formatVersion);
    return p;
}

std::vector<std::uint8_t> SimulatedUnit::receive(std::span<const std::uint8_t> bytes, std::int64_t nowMs)
{
    std::vector<std::uint8_t> out;
    if (!partial_.empty() && nowMs - partialSinceMs_ > kFrameGapMs)
        partial_.clear();
    for (std::uint8_t b : bytes) {
        if (partial_.empty())
            partialSinceMs_ = nowMs;
        partial_.push_back(b);
        if (partial_.size() == static_cast<std::size_t>(kFrameSize)) {
            const auto reply = answer(BlockView(partial_.data(), kFrameSize), nowMs);
            out.insert(out.end(), reply.begin(), reply.end());
            partial_.clear();
        }
    }
    return out;
}

std::vector<std::uint8_t> SimulatedUnit::answer(BlockView request, std::int64_t nowMs)
{
    ++requests_;
    if (options_.dropEvery > 0 && requests_ % options_.dropEvery == 0)
        return {};
    const std::uint8_t command = request[0];
    const int page = command & kPageMask;
    LinkFrame reply;
    if (command == kMonitorRequest) {
        reply = monitorFrame(nowMs);
    } else if ((command & 0x80) == 0 && page <= 2) {
        const bool write = (command & kReadBit) == 0;
        if (write && page > 0) {
            std::copy(request.begin() + 1, request.begin() + 1 + kPageSize, stored_.page(page).begin());
            if (page == 2) {
                ++programCount_;
                saveStartMs_ = nowMs;
            }
        }
        const IdentPage ident = identPage();
        const std::span<const std::uint8_t> payload =
            page == 0 ? std::span<const std::uint8_t>(ident.bytes) : std::span<const std::uint8_t>(stored_.page(page));
        reply = LinkFrame::make(static_cast<std::uint8_t>(command ^ kReplyBit), payload);
    } else {
        return {};  // not a request the unit knows
    }

    ++answers_;
    if (options_.corruptEvery > 0 && answers_ % options_.corruptEvery == 0) {
        const int at = 1 + (answers_ * 37) % kPageSize;
        reply.bytes[static_cast<std::size_t>(at)] ^= static_cast<std::uint8_t>(1u << (answers_ % 8));
    }
    std::vector<std::uint8_t> out;
    out.reserve(8 + kFrameSize);
    if (options_.noise && answers_ % 3 == 0) {
        constexpr std::uint8_t kStray[] = {0x55, 0x00, 0xAA, 0x13, 0xFF};
        for (int i = 0; i <= answers_ % 5; ++i)
            out.push_back(kStray[i]);
    }
    out.insert(out.end(), reply.bytes.begin(), reply.bytes.end());
    return out;
}

LinkFrame SimulatedUnit::monitorFrame(std::int64_t nowMs) const
{
    const ParamImage& p = stored_;
    const std::int64_t t = std::max<std::int64_t>(nowMs, 0);
    LinkFrame f;
    f.bytes[0] = kMonitorReply;

    // Engine speed sweeps from below the first map column to just past the limiter.
    const int limiterRpm = p[fld::limiter] > 0 ? p[fld::limiter] * 100 : 10000;
    const int low = std::max(0, p[fld::mapRpm] * 100 - 500);
    const int high = std::max(low + 1000, limiterRpm + 300);
    const int rpm =
        options_.heldRpm >= 0 ? options_.heldRpm : low + static_cast<int>((high - low) * triangle(t, kSweepMs));
    const int tps0Mv = p[fld::tps0] * 10;
    const int tps100Mv = p[fld::tps100] * 10 + 2500;
    int tps = static_cast<int>(100 * triangle(t + 1500, kThrottleMs));
    int tpsMv = tps0Mv + (tps100Mv - tps0Mv) * tps / 100;
    if (options_.heldTpsMv >= 0) {
        tpsMv = options_.heldTpsMv;
        tps = tps100Mv > tps0Mv ? std::clamp(100 * (tpsMv - tps0Mv) / (tps100Mv - tps0Mv), 0, 100) : 0;
    }

    // Inputs close one after another for a few seconds each.
    auto input = [&](int k) { return (t / 2500 + k) % 7 == 0; };
    const bool inStartLimiter = input(0);
    const bool inN2o = input(5);
    const bool limiterOn = rpm >= limiterRpm;
    const bool startLimiterOn = inStartLimiter && rpm >= p[fld::startLimiterMin] * 100;
    const bool n2oOn = p[fld::n2oEnable] != 0 && inN2o && rpm >= p[fld::n2oRpmMin] * 100 && tps >= p[fld::n2oTpsMin];

    put16(f, mon::rpm, rpm);
    put16(f, mon::tpsMv, tpsMv);
    put16(f, mon::supplyMv, 13800 + static_cast<int>(300 * std::sin(static_cast<double>(t) / 900.0)));
    const int servoWanted = interpolate(p, fld::servoRpm, fld::servoMv, rpm, 20);
    put16(f, mon::servoDesiredMv, servoWanted);
    put16(f, mon::servoMeasuredMv, std::max(0, servoWanted - 40));
    put16(f, mon::potak, std::max(0, servoWanted - 40));
    put16(f, mon::lambdaMv, 400 + static_cast<int>(500 * triangle(t, 1100)));
    put16(f, mon::programCount, programCount_);
    for (int i = 0; i < 8; ++i)
        put16(f, mon::test + 2 * i, static_cast<int>((t / 55 + 100 * i) % 1000));
    put16(f, mon::startLimiterRpm, p[fld::startLimiterMin] * 100);
    int saveCount = 0;
    const std::int64_t saveMs = std::max(1, options_.saveMs);
    if (saveStartMs_ >= 0 && t - saveStartMs_ < saveMs)
        saveCount = std::max(1, static_cast<int>(414 - (t - saveStartMs_) * 414 / saveMs));
    put16(f, mon::saveCount, saveCount);

    putFlag(f, mon::inStartLimiter, inStartLimiter);
    for (int k = 1; k < 6; ++k)
        putFlag(f, mon::inStartLimiter + k, input(k));
    putFlag(f, mon::outLimiter, limiterOn);
    putFlag(f, mon::outShiftLight, rpm >= p[fld::pilotLight] * 100);
    putFlag(f, mon::outStartLimiter, startLimiterOn);
    putFlag(f, mon::outTacho, p[fld::tachoPulses] != 0);
    putFlag(f, mon::outClutch, input(2) && rpm > 3000);
    putFlag(f, mon::outBlock1, input(3));
    putFlag(f, mon::outBlock2, input(4));
    putFlag(f, mon::outN2o, n2oOn);
    f.bytes[mon::n2oPercent] = n2oOn ? p[fld::gas2] : 0;
    f.bytes[mon::retard] = n2oOn ? p[fld::retard2] : 0;
    putFlag(f, mon::pickup1, rpm > 0);
    putFlag(f, mon::pickup2, rpm > 0 && (p[fld::syncMode] == 0 || p[fld::syncMode] == 4));
    f.bytes[mon::tpsPercent] = static_cast<std::uint8_t>(tps);
    putFlag(f, mon::servoOk, true);
    // Pick-up check values that never signal an error.
    f.bytes[mon::checkA] = 255;
    f.bytes[mon::checkA + 1] = 255;

    // Advance of every channel from the map cell the engine is in.
    const int row = p[fld::tpsMap] != 0 ? nearestColumn(kTpsBreakpoints, tps) : 9;
    const int column = nearestColumn(std::span<const std::uint8_t, 10>(p.bytes.data() + fld::mapRpm, 10), rpm / 100);
    const int advance = std::max(0, p.advance(row, column) - (n2oOn ? p[fld::retard2] : 0));
    for (int c = 0; c < 4; ++c)
        f.bytes[static_cast<std::size_t>(mon::advance + c)] = static_cast<std::uint8_t>(std::min(advance + 100, 255));
    f.bytes[mon::formatVersion] = static_cast<std::uint8_t>(options_.formatVersion);
    f.bytes[mon::dataError] = options_.dataError ? 1 : 0;
    f.seal();
    return f;
}

}  // namespace tarvel::link
