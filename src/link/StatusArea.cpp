#include "link/StatusArea.h"

#include <algorithm>

namespace tarvel::link {

void StatusArea::setNote(StatusNote note, Msg message)
{
    ++noteSerial_;
    if (note_ != note || noteMessage_ != message) {
        note_ = note;
        noteMessage_ = message;
        changed();
    }
}

void StatusArea::setColour(LinkColour colour)
{
    if (colour_ != colour) {
        colour_ = colour;
        changed();
    }
}

void StatusArea::setLabelVisible(bool visible)
{
    if (labelVisible_ != visible) {
        labelVisible_ = visible;
        changed();
    }
}

void StatusArea::setGaugeVisible(bool visible)
{
    if (gaugeVisible_ != visible) {
        gaugeVisible_ = visible;
        changed();
    }
}

void StatusArea::setGaugeMax(int maximum)
{
    maximum = std::max(maximum, 0);
    const int progress = std::clamp(gaugeProgress_, 0, maximum);
    if (gaugeMax_ != maximum || gaugeProgress_ != progress) {
        gaugeMax_ = maximum;
        gaugeProgress_ = progress;
        changed();
    }
}

void StatusArea::setGaugeProgress(int progress)
{
    progress = std::clamp(progress, 0, gaugeMax_);
    if (gaugeProgress_ != progress) {
        gaugeProgress_ = progress;
        changed();
    }
}

}  // namespace tarvel::link
