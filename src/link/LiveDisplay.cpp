#include "link/LiveDisplay.h"

#include <algorithm>

namespace tarvel::link {

namespace {
#define TARVEL_NAME(name) #name,
constexpr std::string_view kLabelNames[] = {TARVEL_LIVE_LABELS(TARVEL_NAME)};
constexpr std::string_view kGaugeNames[] = {TARVEL_LIVE_GAUGES(TARVEL_NAME)};
#undef TARVEL_NAME

// Gauge maxima: speed as percent of the limiter, throttle percent, the servo
// gauge in millivolts, lambda 400..900 mV shifted to 0..500.
constexpr std::array<int, kLiveGaugeCount> kGaugeMaxima{100, 100, 5000, 500};
}  // namespace

std::string_view objectName(LiveLabel label)
{
    return kLabelNames[static_cast<std::size_t>(label)];
}

std::string_view objectName(LiveGauge gauge)
{
    return kGaugeNames[static_cast<std::size_t>(gauge)];
}

LiveDisplay::LiveDisplay()
{
    for (int g = 0; g < kLiveGaugeCount; ++g)
        gauges_[static_cast<std::size_t>(g)].maximum = kGaugeMaxima[static_cast<std::size_t>(g)];
}

void LiveDisplay::bump(LabelState& s)
{
    ++s.revision;
    ++revision_;
}

void LiveDisplay::setText(LiveLabel l, std::string_view text)
{
    LabelState& s = mut(l);
    if (s.text != text || s.revision == 0) {
        s.text = text;
        bump(s);
    }
}

void LiveDisplay::setColour(LiveLabel l, LinkColour colour)
{
    LabelState& s = mut(l);
    if (s.colour != colour) {
        s.colour = colour;
        bump(s);
    }
}

void LiveDisplay::setLabel(LiveLabel l, std::string_view text, LinkColour colour)
{
    LabelState& s = mut(l);
    if (s.text != text || s.colour != colour || s.revision == 0) {
        s.text = text;
        s.colour = colour;
        bump(s);
    }
}

void LiveDisplay::setVisible(LiveLabel l, bool visible)
{
    LabelState& s = mut(l);
    const Visibility v = visible ? Visibility::Shown : Visibility::Hidden;
    if (s.visibility != v) {
        s.visibility = v;
        bump(s);
    }
}

void LiveDisplay::setProgress(LiveGauge g, int progress)
{
    GaugeState& s = gauges_[static_cast<std::size_t>(g)];
    progress = std::clamp(progress, 0, s.maximum);
    if (s.progress != progress || s.revision == 0) {
        s.progress = progress;
        ++s.revision;
        ++revision_;
    }
}

}  // namespace tarvel::link
