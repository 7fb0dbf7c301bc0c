#include "present/StatusPresenter.h"

namespace tarvel::present {

std::string StatusPresenter::textOf(link::StatusNote note, Msg message, const MessageTable& messages)
{
    using link::StatusNote;
    switch (note) {
        case StatusNote::Started:
        case StatusNote::Failed:
            return messages[message];
        case StatusNote::Verifying:
            return messages[Msg::Verify] + ":";
        case StatusNote::VerifyOk:
            return messages[Msg::Verify] + ": OK";
        case StatusNote::ResetError:
            return std::string(kResetErrorText);
        case StatusNote::Saving:
            return messages[Msg::Saving];
        case StatusNote::ProgramOk:
            return messages[Msg::ProgramDevice] + ": OK";
        case StatusNote::None:
        case StatusNote::PrintHeader:
            break;
    }
    return {};
}

void StatusPresenter::update(const link::StatusArea& status, bool connectionLost)
{
    // Worded once per note given, so that a note stays in the language it was given in.
    if (status.noteSerial() != wordedSerial_) {
        wordedSerial_ = status.noteSerial();
        text_ = status.note() == link::StatusNote::PrintHeader ? header_
                                                               : textOf(status.note(), status.noteMessage(), messages_);
    }
    auto& d = display_;
    d.setText(ControlId::LabelHlaseni, text_);
    d.setColour(ControlId::LabelHlaseni, status.colour());
    d.setVisible(ControlId::LabelHlaseni, status.labelVisible());
    d.setMaximum(ControlId::CGaugeProgram, status.gaugeMax());
    d.setProgress(ControlId::CGaugeProgram, status.gaugeProgress());
    d.setVisible(ControlId::CGaugeProgram, status.gaugeVisible());
    d.setVisible(ControlId::LabelSpojeni, connectionLost && !printing_ && !headerHidesConnection_);
}

void StatusPresenter::showPrintHeader(link::StatusArea& status, std::string_view header)
{
    header_ = header;
    status.setNote(link::StatusNote::PrintHeader);
    status.setColour(Colour::White);
    status.setLabelVisible(true);
    headerHidesConnection_ = true;
}

void StatusPresenter::restoreStatusBackground(link::StatusArea& status)
{
    status.setColour(Colour::Normal);
}

void StatusPresenter::hideProgressGauge(link::StatusArea& status)
{
    status.setGaugeVisible(false);
}

}  // namespace tarvel::present
