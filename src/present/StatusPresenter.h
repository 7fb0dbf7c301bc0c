// The status area (LabelHlaseni and the transfer gauge CGaugeProgram), the
// connection label LabelSpojeni, the print header and the printing flag. The
// transfer engine reports its progress and outcome as typed notes in the
// link's status area; the words for them are decided here, in the language
// in force when the note was given. The print header goes into the status
// area too, so that the status countdown keeps it on show like any other
// message.
#pragma once

#include <string>
#include <string_view>

#include "link/StatusArea.h"
#include "model/Messages.h"
#include "present/DisplayState.h"

namespace tarvel::present {

class StatusPresenter {
public:
    // `messages` is the window's table (it changes with the language) and
    // must outlive the presenter.
    StatusPresenter(DisplayState& display, const MessageTable& messages) : display_(display), messages_(messages) {}

    // The words of a note other than the print header ("Program device:",
    // "Verify:: OK", "Read error!", ...).
    static std::string textOf(link::StatusNote note, Msg message, const MessageTable& messages);

    // After every tick (and every command that touched the status area).
    void update(const link::StatusArea& status, bool connectionLost);
    // A tick of the link passed: the connection label may show again.
    void ticked() { headerHidesConnection_ = false; }

    // While printing the connection label is hidden.
    void setPrinting(bool printing) { printing_ = printing; }
    bool printing() const { return printing_; }

    // The print header shows on white; LabelSpojeni is hidden until the next tick.
    void showPrintHeader(link::StatusArea& status, std::string_view header);
    void restoreStatusBackground(link::StatusArea& status);
    void hideProgressGauge(link::StatusArea& status);

    // The connection label is shown now (as the last update decided).
    bool connectionShown() const { return display_[ControlId::LabelSpojeni].isShown(); }

private:
    DisplayState& display_;
    const MessageTable& messages_;
    std::string header_;
    std::string text_;
    std::uint32_t wordedSerial_ = 0;  // the note serial text_ was worded for
    bool printing_ = false;
    bool headerHidesConnection_ = false;
};

}  // namespace tarvel::present
