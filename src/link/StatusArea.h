// The status label LabelHlaseni (text, background, visibility), the progress
// gauge CGaugeProgram (visibility, maximum, progress) and the countdown
// messageTicks after which both are hidden. Every setter bumps revision() only
// when something the window draws actually changed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "link/LinkColour.h"

namespace tarvel::link {

inline constexpr std::uint8_t kMessageTicks = 200;

class StatusArea {
public:
    const std::string& text() const { return text_; }
    LinkColour colour() const { return colour_; }
    bool labelVisible() const { return labelVisible_; }
    bool gaugeVisible() const { return gaugeVisible_; }
    int gaugeMax() const { return gaugeMax_; }
    int gaugeProgress() const { return gaugeProgress_; }
    std::uint32_t revision() const { return revision_; }

    // Ticks left before the label and gauge are hidden (not drawn, so no revision).
    std::uint8_t messageTicks = 0;

    void setText(std::string_view text);
    void setColour(LinkColour colour);
    void setLabelVisible(bool visible);
    void setGaugeVisible(bool visible);
    // The progress stays within 0..maximum, as a gauge keeps it.
    void setGaugeMax(int maximum);
    void setGaugeProgress(int progress);

private:
    void changed() { ++revision_; }

    std::string text_;
    LinkColour colour_ = LinkColour::Normal;
    bool labelVisible_ = false;
    bool gaugeVisible_ = false;
    int gaugeMax_ = 2;
    int gaugeProgress_ = 0;
    std::uint32_t revision_ = 0;
};

}  // namespace tarvel::link
