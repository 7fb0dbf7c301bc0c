#include "present/LivePresenter.h"

#include <algorithm>
#include <charconv>
#include <cstdarg>
#include <cstdio>

#include "link/MonitorDecoder.h"
#include "present/MessagePresenter.h"

namespace tarvel::present {

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

Colour supplyColour(std::uint16_t mv)
{
    if (mv <= 7000 || mv >= 17999)
        return Colour::Red;
    if (mv <= 11000 || mv >= 14999)
        return Colour::Yellow;
    return Colour::Normal;
}

struct SwitchRow {
    ControlId label;
    bool link::LiveSample::*flag;
    Msg prefixMessage;  // Msg::Count: a fixed prefix only
    const char* prefix;
    Colour onColour;
};

using S = link::LiveSample;
// clang-format off
constexpr SwitchRow kInputs[] = {
    {ControlId::LabelMonStartLimiterIn, &S::inStartLimiter, Msg::StartLimiter, ": ", Colour::Fuchsia},
    {ControlId::LabelMonTachoLambdaIn, &S::inTachoLambda, Msg::Count, "Tacho-Lambda: ", Colour::Aqua},
    {ControlId::LabelClutchIn, &S::inClutch, Msg::ClutchMaster, ": ", Colour::Fuchsia},
    {ControlId::LabelBlok1In, &S::inBlock1, Msg::MotorOff, " 1: ", Colour::Aqua},
    {ControlId::LabelBlok2In, &S::inBlock2, Msg::MotorOff, " 2: ", Colour::Fuchsia},
    {ControlId::LabelN2oIn, &S::inN2o, Msg::Count, "N2O : ", Colour::Aqua},
};
constexpr SwitchRow kOutputs[] = {
    {ControlId::LabelMonLimiterOut, &S::outLimiter, Msg::Limiter, ": ", Colour::Red},
    {ControlId::LabelMonPilotLight, &S::outShiftLight, Msg::GearShiftLight, ": ", Colour::Yellow},
    {ControlId::LabelMonStartLimiterOut, &S::outStartLimiter, Msg::StartLimiter, ": ", Colour::Red},
    {ControlId::LabelMonClutchOut, &S::outClutch, Msg::ClutchMaster, ": ", Colour::Fuchsia},
    {ControlId::LabelMonBlok1Out, &S::outBlock1, Msg::MotorOff, " 1: ", Colour::Red},
    {ControlId::LabelMonBlok2Out, &S::outBlock2, Msg::MotorOff, " 2: ", Colour::Red},
    {ControlId::LabelMonN2oOut, &S::outN2o, Msg::Count, "N2O: ", Colour::Fuchsia},
};

constexpr PlaceholderRow kCaptionRows[] = {
    {ControlId::LabelMonPilotLight, Msg::GearShiftLight, " - ---"},
    {ControlId::LabelMonClutchOut, Msg::ClutchMaster, " - ---"},
    {ControlId::LabelMonStartLimiterRpm, Msg::StartLimiter, " - ---"},
    {ControlId::LabelMonStartLimiterOut, Msg::StartLimiter, " - ---"},
    {ControlId::LabelMonLimiterOut, Msg::Limiter, " - ---"},
};
constexpr PlaceholderRow kMessageRows[] = {
    {ControlId::LabelAdvance1, Msg::Advance, " 1 = --- [°]"},
    {ControlId::LabelAdvance2, Msg::Advance, " 2 = --- [°]"},
    {ControlId::LabelAdvance3, Msg::Advance, " 3 = --- [°]"},
    {ControlId::LabelAdvance4, Msg::Advance, " 4 = --- [°]"},
    {ControlId::LabelPocetProgramovani, Msg::NumberOfProgramming, "---"},
    {ControlId::LabelMonSnimac1, Msg::PickUp, " 1 = ---"},
    {ControlId::LabelMonSnimac2, Msg::PickUp, " 2 = ---"},
    {ControlId::LabelPriveraPoz, Msg::ServoDesired, " ---"},
    {ControlId::LabelPriveraMer, Msg::ServoMeasured, " ---"},
};
// clang-format on

constexpr ControlId kAdvanceLabels[] = {ControlId::LabelAdvance1, ControlId::LabelAdvance2, ControlId::LabelAdvance3,
                                        ControlId::LabelAdvance4};
constexpr ControlId kTestLabels[] = {ControlId::LabelTest1, ControlId::LabelTest2, ControlId::LabelTest3,
                                     ControlId::LabelTest4, ControlId::LabelTest5, ControlId::LabelTest6,
                                     ControlId::LabelTest7, ControlId::LabelTest8};

// The live values: what greys when they go stale. The version and data-error
// warnings, the status area and the connection label are not values.
constexpr bool isLiveValue(ControlId id)
{
    return id != ControlId::LabelVersion && id != ControlId::LabelEeDataErr && id != ControlId::LabelHlaseni &&
           id != ControlId::LabelSpojeni && id != ControlId::CGaugeProgram;
}

// The text the unit's data-error flag shows, the same in every language.
constexpr std::string_view kDataErrorText = "Programmed data error";

}  // namespace

std::span<const PlaceholderRow> captionPlaceholders()
{
    return kCaptionRows;
}

std::span<const PlaceholderRow> messagePlaceholders()
{
    return kMessageRows;
}

void LivePresenter::value(ControlId id, std::string_view text, Colour colour)
{
    valueColour_[indexOf(id)] = colour;
    display_.setText(id, text);
    if (colour != Colour::Default)
        display_.setColour(id, stale_ ? Colour::Normal : colour);
}

void LivePresenter::showSample(const link::LiveSample& s, const ParamImage& image, const MessageTable& messages)
{
    stale_ = false;
    auto& d = display_;
    value(ControlId::LabelRpm, format("RPM = %d ", s.rpm),
          s.outLimiter ? Colour::Red : s.outShiftLight ? Colour::Yellow : Colour::Normal);
    const int limiter = image[fld::limiter];
    d.setProgress(ControlId::CGaugeRpm, s.rpm / (limiter == 0 ? 100 : limiter));

    if (s.tpsError) {
        value(ControlId::LabelTpsMon, format("TP=error = %d [mV]", s.tpsMv),
              image[fld::tpsMap] != 0 ? Colour::Red : Colour::Normal);
        d.setProgress(ControlId::CGaugeTps, 0);
    } else {
        value(ControlId::LabelTpsMon, format("TP= %d [%%]= %d [mV]", s.tpsPercent, s.tpsMv), Colour::Normal);
        d.setProgress(ControlId::CGaugeTps, s.tpsPercent);
    }
    value(ControlId::LabelNapeti, "U = " + volts(s.supplyMv) + " [V]", supplyColour(s.supplyMv));

    const Colour servoColour = s.servoOk ? Colour::Normal : Colour::Red;
    value(ControlId::LabelPriveraMer, messages[Msg::ServoMeasured] + format(" %d [mV]", s.servoMeasuredMv),
          servoColour);
    value(ControlId::LabelPriveraPoz, messages[Msg::ServoDesired] + format(" %d [mV]", s.servoDesiredMv), servoColour);
    d.setProgress(ControlId::CGaugePotak, s.potak);

    value(ControlId::LabelMonLambda, format("LAMBDA = %d [mV]", s.lambdaMv), Colour::Default);
    d.setProgress(ControlId::CGaugeLambda, s.lambdaMv - 400);

    value(ControlId::LabelPocetProgramovani, messages[Msg::NumberOfProgramming] + std::to_string(s.programCount),
          Colour::Default);
    for (std::size_t i = 0; i < 8; ++i)
        value(kTestLabels[i], format("Test%d = %d ", static_cast<int>(i) + 1, s.test[i]), Colour::Default);
    value(ControlId::LabelMonStartLimiterRpm,
          format("%s = %d [RPM]", messages[Msg::StartLimiter].c_str(), s.startLimiterRpm), Colour::Default);
    value(ControlId::LabelMonN2oProcent, "N2O = " + std::to_string(s.n2oPercent) + " [%]", Colour::Default);
    value(ControlId::LabelMonRetard, format("Retard = %d [°]", s.retard), Colour::Default);

    auto switches = [&](std::span<const SwitchRow> rows, Msg onText, Msg offText) {
        for (const SwitchRow& row : rows) {
            const bool on = s.*row.flag;
            std::string text = row.prefixMessage == Msg::Count ? std::string() : messages[row.prefixMessage];
            text += row.prefix;
            text += messages[on ? onText : offText];
            value(row.label, text, on ? row.onColour : Colour::Normal);
        }
    };
    switches(kInputs, Msg::Grounded, Msg::Open);
    switches(kOutputs, Msg::Yes, Msg::No);
    if (s.outTacho)
        value(ControlId::LabelMonTachoLambdaOut, "Tacho-Lambda: Tacho", Colour::Normal);
    else
        value(ControlId::LabelMonTachoLambdaOut, "Tacho-Lambda: Lambda", Colour::Aqua);

    const ControlId pickups[] = {ControlId::LabelMonSnimac1, ControlId::LabelMonSnimac2};
    for (std::size_t p = 0; p < 2; ++p)
        value(pickups[p],
              messages[Msg::PickUp] + (p == 0 ? " 1 - " : " 2 - ") +
                  messages[s.pickup[p] ? Msg::IsRunning : Msg::NoSignal],
              s.pickup[p] ? Colour::Lime : Colour::Normal);

    // Advance: with a pick-up error every line in use says so; the special
    // code shows one line per channel; otherwise one line shows the largest
    // advance among the channels in use against the smallest maximum reported.
    const unsigned revs = image[fld::revsWithoutIgnition];
    const unsigned spins = revs * image[fld::lobeCount];
    const bool pickupError = (s.checkA[0] < revs && spins < s.checkB[0]) || (s.checkA[1] < revs && spins < s.checkB[1]);
    const bool fourLines = image[fld::bikeCode] == kSpecialBikeCode;
    auto colourOf = [](int a, int m) { return m > 0 && a >= m ? Colour::Yellow : Colour::Normal; };
    if (pickupError) {
        for (int c = 0; c < (fourLines ? 4 : 1); ++c)
            value(kAdvanceLabels[c], messages[Msg::PickUpSystemError], Colour::Red);
    } else if (fourLines) {
        for (std::size_t c = 0; c < 4; ++c) {
            const int a = s.advance[c];
            const int m = s.maxAdvance[c];
            const int n = static_cast<int>(c) + 1;
            const std::string tail = m != 0 ? format(" %d = %d [°] /max %d [°]", n, a, m) : format(" %d = %d [°]", n, a);
            value(kAdvanceLabels[c], messages[Msg::Advance] + tail, colourOf(a, m));
        }
    } else {
        const int channels = std::clamp<int>(image[fld::channelCount], 1, 4);
        int a = s.advance[0];
        for (int c = 1; c < channels; ++c)
            a = std::max<int>(a, s.advance[static_cast<std::size_t>(c)]);
        int m = 0;
        for (const std::uint16_t max : s.maxAdvance)
            if (max != 0 && (m == 0 || max < m))
                m = max;
        const std::string tail = m != 0 ? format(" = %d [°] /max %d [°]", a, m) : format(" = %d [°]", a);
        value(ControlId::LabelAdvance1, messages[Msg::Advance] + tail, colourOf(a, m));
    }

    if (s.formatVersion == kParamVersion) {
        d.setVisible(ControlId::LabelVersion, false);
    } else {
        d.setText(ControlId::LabelVersion, MessagePresenter::versionMismatchText(s.formatVersion, messages));
        d.setVisible(ControlId::LabelVersion, true);
    }
    d.setText(ControlId::LabelEeDataErr, kDataErrorText);
    d.setVisible(ControlId::LabelEeDataErr, s.dataError);
    setStale(false);
}

void LivePresenter::showNoSample()
{
    stale_ = false;
    valueColour_.fill(Colour::Default);
    for (int i = 0; i < kControlCount; ++i) {
        const auto id = static_cast<ControlId>(i);
        if (isLiveValue(id))
            display_.reset(id);
    }
    for (ControlId warning : {ControlId::LabelVersion, ControlId::LabelEeDataErr}) {
        display_.reset(warning);
        display_.setVisible(warning, false);
    }
}

void LivePresenter::setStale(bool stale)
{
    stale_ = stale;
    for (int i = 0; i < kControlCount; ++i) {
        const auto id = static_cast<ControlId>(i);
        if (!isLiveValue(id))
            continue;
        display_.setGreyed(id, stale);
        const Colour colour = valueColour_[indexOf(id)];
        if (colour != Colour::Default)
            display_.setColour(id, stale ? Colour::Normal : colour);
    }
}

void LivePresenter::showCaptions(std::span<const LiveCaption> captions)
{
    for (const LiveCaption& caption : captions)
        display_.setText(caption.target, caption.text);
}

void LivePresenter::showPlaceholders(std::span<const PlaceholderRow> rows, const MessageTable& messages, bool noUnit)
{
    if (!noUnit)
        return;
    for (const PlaceholderRow& row : rows)
        display_.setText(row.target, messages[row.message] + std::string(row.suffix));
}

std::string LivePresenter::monitorLine(const DisplayState& display)
{
    const ControlId shown[] = {ControlId::LabelRpm,           ControlId::LabelTpsMon,
                               ControlId::LabelNapeti,        ControlId::LabelMonLambda,
                               ControlId::LabelAdvance1,      ControlId::LabelMonLimiterOut,
                               ControlId::LabelMonPilotLight, ControlId::LabelPocetProgramovani};
    std::string line;
    for (ControlId id : shown) {
        if (!line.empty())
            line += " | ";
        line += display[id].text;
    }
    // The warnings the window shows below the live values.
    for (ControlId warning : {ControlId::LabelVersion, ControlId::LabelEeDataErr})
        if (display[warning].isShown())
            line += " | " + display[warning].text;
    return line;
}

}  // namespace tarvel::present
