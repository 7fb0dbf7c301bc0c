#include "present/DisplayState.h"

#include <algorithm>

namespace tarvel::present {

namespace {
// Gauge maxima: speed as percent of the limiter, throttle percent, the servo
// gauge in millivolts, lambda 400..900 mV shifted to 0..500, the transfer.
constexpr int kGaugeMaxima[] = {100, 100, 5000, 500, 2};
static_assert(std::size(kGaugeMaxima) == kControlCount - kFirstGauge);
}  // namespace

DisplayState::DisplayState()
{
    for (int i = kFirstGauge; i < kControlCount; ++i)
        entries_[static_cast<std::size_t>(i)].maximum = kGaugeMaxima[i - kFirstGauge];
}

DisplayEntry& DisplayState::bump(ControlId id)
{
    DisplayEntry& e = entries_[indexOf(id)];
    ++e.revision;
    ++revision_;
    return e;
}

void DisplayState::setText(ControlId id, std::string_view text)
{
    const DisplayEntry& e = entries_[indexOf(id)];
    if (!e.textSet || e.text != text) {
        DisplayEntry& m = bump(id);
        m.text = text;
        m.textSet = true;
    }
}

void DisplayState::setColour(ControlId id, Colour colour)
{
    if (entries_[indexOf(id)].colour != colour)
        bump(id).colour = colour;
}

void DisplayState::setLabel(ControlId id, std::string_view text, Colour colour)
{
    setText(id, text);
    setColour(id, colour);
}

void DisplayState::setVisible(ControlId id, bool visible)
{
    const Shown v = visible ? Shown::Yes : Shown::No;
    if (entries_[indexOf(id)].visible != v)
        bump(id).visible = v;
}

void DisplayState::setGreyed(ControlId id, bool greyed)
{
    if (entries_[indexOf(id)].greyed != greyed)
        bump(id).greyed = greyed;
}

void DisplayState::setMaximum(ControlId id, int maximum)
{
    maximum = std::max(maximum, 0);
    const DisplayEntry& e = entries_[indexOf(id)];
    const int progress = std::clamp(e.progress, 0, maximum);
    if (e.maximum != maximum || e.progress != progress) {
        DisplayEntry& m = bump(id);
        m.maximum = maximum;
        m.progress = progress;
    }
}

void DisplayState::setProgress(ControlId id, int progress)
{
    const DisplayEntry& e = entries_[indexOf(id)];
    progress = std::clamp(progress, 0, e.maximum);
    if (e.progress != progress)
        bump(id).progress = progress;
}

void DisplayState::reset(ControlId id)
{
    const DisplayEntry& e = entries_[indexOf(id)];
    if (e.textSet || !e.text.empty() || e.colour != Colour::Default || e.greyed || e.progress != 0) {
        DisplayEntry& m = bump(id);
        m.text.clear();
        m.textSet = false;
        m.colour = Colour::Default;
        m.greyed = false;
        m.progress = 0;
    }
}

}  // namespace tarvel::present
