// The status area (LabelHlaseni and the transfer gauge CGaugeProgram), the
// connection label LabelSpojeni, the print header and the printing flag. The
// transfer engine writes its progress and outcome into the link's status
// area; the print header goes there too, so that the status countdown keeps
// it on show like any other message.
#pragma once

#include <string_view>

#include "link/StatusArea.h"
#include "present/DisplayState.h"

namespace tarvel::present {

class StatusPresenter {
public:
    explicit StatusPresenter(DisplayState& display) : display_(display) {}

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
    bool printing_ = false;
    bool headerHidesConnection_ = false;
};

}  // namespace tarvel::present
