#include "link/MonitorDecoder.h"

#include <algorithm>
#include <charconv>
#include <cstdarg>
#include <cstdio>

namespace tarvel::link {

namespace {

std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string format(const char* fmt, ...)
{
    char buf[160];
    va_list args;
    va_start(args, fmt);
    const int n = std::vsnprintf(buf, sizeof buf, fmt, args);
    va_end(args);
    return std::string(buf, static_cast<std::size_t>(std::clamp(n, 0, static_cast<int>(sizeof buf) - 1)));
}

// "%4.1f" of millivolts in volts, always with a dot whatever the process locale.
std::string volts(std::uint16_t mv)
{
    char buf[16];
    const auto r = std::to_chars(buf, buf + sizeof buf, mv / 1000.0, std::chars_format::fixed, 1);
    std::string s(buf, r.ptr);
    if (s.size() < 4)
        s.insert(0, 4 - s.size(), ' ');
    return s;
}

LinkColour supplyColour(std::uint16_t mv)
{
    if (mv <= 7000 || mv >= 17999)
        return LinkColour::Red;
    if (mv <= 11000 || mv >= 14999)
        return LinkColour::Yellow;
    return LinkColour::Normal;
}

struct SwitchRow {
    LiveLabel label;
    int byte;
    Msg prefixMessage;  // Msg::Count: a fixed prefix only
    const char* prefix;
    LinkColour onColour;
};

// clang-format off
constexpr SwitchRow kInputs[] = {
    {LiveLabel::LabelMonStartLimiterIn, mon::inStartLimiter, Msg::StartLimiter, ": ", LinkColour::Fuchsia},
    {LiveLabel::LabelMonTachoLambdaIn, mon::inTachoLambda, Msg::Count, "Tacho-Lambda: ", LinkColour::Aqua},
    {LiveLabel::LabelClutchIn, mon::inClutch, Msg::ClutchMaster, ": ", LinkColour::Fuchsia},
    {LiveLabel::LabelBlok1In, mon::inBlock1, Msg::MotorOff, " 1: ", LinkColour::Aqua},
    {LiveLabel::LabelBlok2In, mon::inBlock2, Msg::MotorOff, " 2: ", LinkColour::Fuchsia},
    {LiveLabel::LabelN2oIn, mon::inN2o, Msg::Count, "N2O : ", LinkColour::Aqua},
};
constexpr SwitchRow kOutputs[] = {
    {LiveLabel::LabelMonLimiterOut, mon::outLimiter, Msg::Limiter, ": ", LinkColour::Red},
    {LiveLabel::LabelMonPilotLight, mon::outShiftLight, Msg::GearShiftLight, ": ", LinkColour::Yellow},
    {LiveLabel::LabelMonStartLimiterOut, mon::outStartLimiter, Msg::StartLimiter, ": ", LinkColour::Red},
    {LiveLabel::LabelMonClutchOut, mon::outClutch, Msg::ClutchMaster, ": ", LinkColour::Fuchsia},
    {LiveLabel::LabelMonBlok1Out, mon::outBlock1, Msg::MotorOff, " 1: ", LinkColour::Red},
    {LiveLabel::LabelMonBlok2Out, mon::outBlock2, Msg::MotorOff, " 2: ", LinkColour::Red},
    {LiveLabel::LabelMonN2oOut, mon::outN2o, Msg::Count, "N2O: ", LinkColour::Fuchsia},
};
// clang-format on

void showSwitches(std::span<const SwitchRow> rows, Msg onText, Msg offText, BlockView frame,
                  const MessageTable& messages, LiveDisplay& display)
{
    for (const SwitchRow& row : rows) {
        const bool on = frame[static_cast<std::size_t>(row.byte)] != 0;
        std::string text = row.prefixMessage == Msg::Count ? std::string() : messages[row.prefixMessage];
        text += row.prefix;
        text += messages[on ? onText : offText];
        display.setLabel(row.label, text, on ? row.onColour : LinkColour::Normal);
    }
}

constexpr LiveLabel kAdvanceLabels[] = {LiveLabel::LabelAdvance1, LiveLabel::LabelAdvance2, LiveLabel::LabelAdvance3,
                                        LiveLabel::LabelAdvance4};
constexpr LiveLabel kTestLabels[] = {LiveLabel::LabelTest1, LiveLabel::LabelTest2, LiveLabel::LabelTest3,
                                     LiveLabel::LabelTest4, LiveLabel::LabelTest5, LiveLabel::LabelTest6,
                                     LiveLabel::LabelTest7, LiveLabel::LabelTest8};

}  // namespace

std::string versionMismatchText(const MessageTable& messages, int unitVersion)
{
    return messages[Msg::UnmatchedVersion] + format("  PC-%d, IGN-%d", kParamVersion, unitVersion);
}

bool MonitorDecoder::decode(BlockView f, const ParamImage& image, const MessageTable& messages, LiveDisplay& d)
{
    if (!frameCheckGood(f))
        return false;
    auto on = [&](int at) { return f[static_cast<std::size_t>(at)] != 0; };
    auto byte = [&](int at) { return static_cast<int>(f[static_cast<std::size_t>(at)]); };

    const std::uint16_t rpm = u16At(f, mon::rpm);
    d.setLabel(LiveLabel::LabelRpm, format("RPM = %d ", rpm),
               on(mon::outLimiter)      ? LinkColour::Red
               : on(mon::outShiftLight) ? LinkColour::Yellow
                                        : LinkColour::Normal);
    const int limiter = image[fld::limiter];
    d.setProgress(LiveGauge::CGaugeRpm, rpm / (limiter == 0 ? 100 : limiter));

    const std::uint16_t tpsMv = u16At(f, mon::tpsMv);
    if (on(mon::tpsError)) {
        d.setLabel(LiveLabel::LabelTpsMon, format("TP=error = %d [mV]", tpsMv),
                   image[fld::tpsMap] != 0 ? LinkColour::Red : LinkColour::Normal);
        d.setProgress(LiveGauge::CGaugeTps, 0);
    } else {
        d.setLabel(LiveLabel::LabelTpsMon, format("TP= %d [%%]= %d [mV]", byte(mon::tpsPercent), tpsMv),
                   LinkColour::Normal);
        d.setProgress(LiveGauge::CGaugeTps, byte(mon::tpsPercent));
    }

    const std::uint16_t supply = u16At(f, mon::supplyMv);
    d.setLabel(LiveLabel::LabelNapeti, "U = " + volts(supply) + " [V]", supplyColour(supply));

    const LinkColour servoColour = on(mon::servoOk) ? LinkColour::Normal : LinkColour::Red;
    d.setLabel(LiveLabel::LabelPriveraMer,
               messages[Msg::ServoMeasured] + format(" %d [mV]", u16At(f, mon::servoMeasuredMv)), servoColour);
    d.setLabel(LiveLabel::LabelPriveraPoz,
               messages[Msg::ServoDesired] + format(" %d [mV]", u16At(f, mon::servoDesiredMv)), servoColour);
    d.setProgress(LiveGauge::CGaugePotak, u16At(f, mon::potak));

    const std::uint16_t lambda = u16At(f, mon::lambdaMv);
    d.setText(LiveLabel::LabelMonLambda, format("LAMBDA = %d [mV]", lambda));
    d.setProgress(LiveGauge::CGaugeLambda, lambda - 400);

    d.setText(LiveLabel::LabelPocetProgramovani,
              messages[Msg::NumberOfProgramming] + std::to_string(u16At(f, mon::programCount)));
    for (int i = 0; i < 8; ++i)
        d.setText(kTestLabels[i], format("Test%d = %d ", i + 1, u16At(f, mon::test + 2 * i)));
    d.setText(LiveLabel::LabelMonStartLimiterRpm,
              format("%s = %d [RPM]", messages[Msg::StartLimiter].c_str(), u16At(f, mon::startLimiterRpm)));
    d.setText(LiveLabel::LabelMonN2oProcent, "N2O = " + std::to_string(byte(mon::n2oPercent)) + " [%]");
    d.setText(LiveLabel::LabelMonRetard, format("Retard = %d [°]", byte(mon::retard)));

    showSwitches(kInputs, Msg::Grounded, Msg::Open, f, messages, d);
    showSwitches(kOutputs, Msg::Yes, Msg::No, f, messages, d);
    if (on(mon::outTacho))
        d.setLabel(LiveLabel::LabelMonTachoLambdaOut, "Tacho-Lambda: Tacho", LinkColour::Normal);
    else
        d.setLabel(LiveLabel::LabelMonTachoLambdaOut, "Tacho-Lambda: Lambda", LinkColour::Aqua);

    const LiveLabel pickups[] = {LiveLabel::LabelMonSnimac1, LiveLabel::LabelMonSnimac2};
    for (int p = 0; p < 2; ++p) {
        const bool running = on(mon::pickup1 + p);
        d.setLabel(
            pickups[p],
            messages[Msg::PickUp] + (p == 0 ? " 1 - " : " 2 - ") + messages[running ? Msg::IsRunning : Msg::NoSignal],
            running ? LinkColour::Lime : LinkColour::Normal);
    }

    decodeAdvance(f, image, messages, d);

    const int version = byte(mon::formatVersion);
    if (version == kParamVersion) {
        d.setVisible(LiveLabel::LabelVersion, false);
    } else {
        d.setText(LiveLabel::LabelVersion, versionMismatchText(messages, version));
        d.setVisible(LiveLabel::LabelVersion, true);
    }
    d.setVisible(LiveLabel::LabelEeDataErr, on(mon::dataError));

    values_.liveRpm = rpm;
    values_.liveTpsPercent = static_cast<std::uint8_t>(byte(mon::tpsPercent));
    values_.liveTpsMv = tpsMv;
    values_.unitSaveCount = u16At(f, mon::saveCount);
    return true;
}

void MonitorDecoder::decodeAdvance(BlockView f, const ParamImage& image, const MessageTable& messages, LiveDisplay& d)
{
    const unsigned revs = image[fld::revsWithoutIgnition];
    const unsigned spins = revs * image[fld::lobeCount];
    auto at = [&](int i) { return static_cast<unsigned>(f[static_cast<std::size_t>(i)]); };
    const bool pickupError = (at(mon::checkA) < revs && spins < at(mon::checkB)) ||
                             (at(mon::checkA + 1) < revs && spins < at(mon::checkB + 1));
    const bool fourLines = image[fld::bikeCode] == kSpecialBikeCode;

    if (pickupError) {
        for (int c = 0; c < (fourLines ? 4 : 1); ++c)
            d.setLabel(kAdvanceLabels[c], messages[Msg::PickUpSystemError], LinkColour::Red);
        return;
    }
    auto advanceOf = [&](int c) { return static_cast<int>(at(mon::advance + c)) - 100; };
    auto maxOf = [&](int c) { return static_cast<int>(u16At(f, mon::maxAdvance + 2 * c)); };
    auto colourOf = [](int a, int m) { return m > 0 && a >= m ? LinkColour::Yellow : LinkColour::Normal; };

    if (fourLines) {
        for (int c = 0; c < 4; ++c) {
            const int a = advanceOf(c);
            const int m = maxOf(c);
            const std::string tail =
                m != 0 ? format(" %d = %d [°] /max %d [°]", c + 1, a, m) : format(" %d = %d [°]", c + 1, a);
            d.setLabel(kAdvanceLabels[c], messages[Msg::Advance] + tail, colourOf(a, m));
        }
        return;
    }
    // One line: the largest advance among the channels in use, against the
    // smallest maximum the unit reports.
    const int channels = std::clamp<int>(image[fld::channelCount], 1, 4);
    int a = advanceOf(0);
    for (int c = 1; c < channels; ++c)
        a = std::max(a, advanceOf(c));
    int m = 0;
    for (int c = 0; c < 4; ++c)
        if (maxOf(c) != 0 && (m == 0 || maxOf(c) < m))
            m = maxOf(c);
    const std::string tail = m != 0 ? format(" = %d [°] /max %d [°]", a, m) : format(" = %d [°]", a);
    d.setLabel(LiveLabel::LabelAdvance1, messages[Msg::Advance] + tail, colourOf(a, m));
}

}  // namespace tarvel::link
