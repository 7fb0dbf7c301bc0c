// The state behind the status label LabelHlaseni (what it reports, background,
// visibility), the progress gauge CGaugeProgram (visibility, maximum,
// progress) and the countdown messageTicks after which both are hidden. The
// words of a note are the presentation layer's (present/StatusPresenter).
// Every setter bumps revision() only when something the window draws
// actually changed.
#pragma once

#include <cstdint>

#include "link/LinkColour.h"
#include "model/Messages.h"

namespace tarvel::link {

inline constexpr std::uint8_t kMessageTicks = 200;

// What the status label reports.
enum class StatusNote : std::uint8_t {
    None,         // nothing yet
    Started,      // an operation started; noteMessage() names it (Program, Verify, Read)
    Verifying,    // a programming or a read goes on to verify the unit's pages
    VerifyOk,     // the verification matched
    Failed,       // the operation ended; noteMessage() says why (No reading! among them)
    ResetError,   // the unit did not answer the loader's reset
    Saving,       // the unit saves what was programmed
    ProgramOk,    // the unit has saved a programming
    PrintHeader,  // the print commands' header (its words are the print commands')
};

class StatusArea {
public:
    StatusNote note() const { return note_; }
    Msg noteMessage() const { return noteMessage_; }
    // Bumped by every setNote(), also one that says the same again: the
    // words are taken in the language in force at that moment.
    std::uint32_t noteSerial() const { return noteSerial_; }
    LinkColour colour() const { return colour_; }
    bool labelVisible() const { return labelVisible_; }
    bool gaugeVisible() const { return gaugeVisible_; }
    int gaugeMax() const { return gaugeMax_; }
    int gaugeProgress() const { return gaugeProgress_; }
    std::uint32_t revision() const { return revision_; }

    // Ticks left before the label and gauge are hidden (not drawn, so no revision).
    std::uint8_t messageTicks = 0;

    void setNote(StatusNote note, Msg message = Msg{});
    void setColour(LinkColour colour);
    void setLabelVisible(bool visible);
    void setGaugeVisible(bool visible);
    // The progress stays within 0..maximum, as a gauge keeps it.
    void setGaugeMax(int maximum);
    void setGaugeProgress(int progress);

private:
    void changed() { ++revision_; }

    StatusNote note_ = StatusNote::None;
    Msg noteMessage_{};
    std::uint32_t noteSerial_ = 0;
    LinkColour colour_ = LinkColour::Normal;
    bool labelVisible_ = false;
    bool gaugeVisible_ = false;
    int gaugeMax_ = 2;
    int gaugeProgress_ = 0;
    std::uint32_t revision_ = 0;
};

}  // namespace tarvel::link
