// What the window shows of each control the core affects: text, background,
// visibility, greyed look and, for gauges, maximum and progress. Every entry
// carries its own revision, bumped only when something drawn changed, so the
// window applies only what changed since it last looked.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "link/LinkColour.h"
#include "present/ControlId.h"

namespace tarvel::present {

using Colour = link::LinkColour;

// Keep: nothing here rules it (the control keeps what it has).
enum class Shown : std::uint8_t { Keep, Yes, No };

struct DisplayEntry {
    std::string text;
    bool textSet = false;             // false: the control shows its designed text
    Colour colour = Colour::Default;  // Default: its designed background
    Shown visible = Shown::Keep;
    bool greyed = false;  // stale: drawn in the greyed text colour
    int maximum = 100;    // gauges
    int progress = 0;
    std::uint32_t revision = 0;

    bool isShown() const { return visible == Shown::Yes; }
};

class DisplayState {
public:
    DisplayState();

    const DisplayEntry& operator[](ControlId id) const { return entries_[indexOf(id)]; }
    std::uint32_t revision() const { return revision_; }

    void setText(ControlId id, std::string_view text);
    void setColour(ControlId id, Colour colour);
    void setLabel(ControlId id, std::string_view text, Colour colour);
    void setVisible(ControlId id, bool visible);
    void setGreyed(ControlId id, bool greyed);
    // The progress stays within 0..maximum.
    void setMaximum(ControlId id, int maximum);
    void setProgress(ControlId id, int progress);
    // Back to the design: the designed text and background, not greyed, a
    // gauge at 0. Visibility and a gauge's maximum stay.
    void reset(ControlId id);

private:
    DisplayEntry& bump(ControlId id);

    std::array<DisplayEntry, kControlCount> entries_{};
    std::uint32_t revision_ = 0;
};

}  // namespace tarvel::present
