#include "present/StatusPresenter.h"

namespace tarvel::present {

void StatusPresenter::update(const link::StatusArea& status, bool connectionLost)
{
    auto& d = display_;
    d.setText(ControlId::LabelHlaseni, status.text());
    d.setColour(ControlId::LabelHlaseni, status.colour());
    d.setVisible(ControlId::LabelHlaseni, status.labelVisible());
    d.setMaximum(ControlId::CGaugeProgram, status.gaugeMax());
    d.setProgress(ControlId::CGaugeProgram, status.gaugeProgress());
    d.setVisible(ControlId::CGaugeProgram, status.gaugeVisible());
    d.setVisible(ControlId::LabelSpojeni, connectionLost && !printing_ && !headerHidesConnection_);
}

void StatusPresenter::showPrintHeader(link::StatusArea& status, std::string_view header)
{
    status.setText(header);
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
