#include "EnablingRules.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include <algorithm>

#include "BarGauge.h"
#include "SpinButton.h"
#include "UpDown.h"
#include "present/EnablingRules.h"

namespace tarvel {

namespace {

void showIf(QWidget* widget, bool visible)
{
    if (widget && widget->isHidden() == visible)
        widget->setVisible(visible);
}

void enableIf(QWidget* widget, bool enabled)
{
    if (widget && widget->testAttribute(Qt::WA_ForceDisabled) == enabled)
        widget->setEnabled(enabled);
}

template <typename T, std::size_t N>
void showAll(const std::array<T*, N>& widgets, bool visible)
{
    for (T* w : widgets)
        showIf(w, visible);
}

template <typename T, std::size_t N>
void enableAll(const std::array<T*, N>& widgets, bool enabled)
{
    for (T* w : widgets)
        enableIf(w, enabled);
}

// Fills the widget's background with `color`; the face colour of the
// application palette restores the normal look.
void paintBackground(QWidget* widget, const QColor& color)
{
    if (!widget)
        return;
    if (widget->palette().color(QPalette::Window) == color && widget->autoFillBackground())
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    // A check box fills its background with the button colour unless told
    // otherwise, which left only the tick square's outline red.
    widget->setBackgroundRole(QPalette::Window);
    widget->setAutoFillBackground(true);
}

void setChecked(QCheckBox* box, bool checked)
{
    if (box && box->isChecked() != checked)
        box->setChecked(checked);
}

}  // namespace

EnablingRules::EnablingRules(QWidget* window, const WindowControls& c) : window_(window), tables_(&c.tables)
{
    using present::ControlId;
    const ControlTables& tables = c.tables;
    progHned_ = c.CheckBoxProgHned;
    zakazCteni_ = c.CheckBoxZakazCteni;
    labelTpsMon_ = c.label(ControlId::LabelTpsMon);
    hiddenWhilePrinting_ = {c.CheckBoxProgHned,
                            c.StatusBar1,
                            c.GroupBoxToolBar,
                            c.UpDownBaseAdv,
                            c.UpDownOmez2,
                            c.BitBtnAdvMinus,
                            c.BitBtnAdvPlus,
                            c.CheckBoxIgnAll,
                            c.UpDownTps0,
                            c.UpDownTps100,
                            c.BitBtnTps0,
                            c.BitBtnTps100,
                            c.gauge(ControlId::CGaugeRpm),
                            c.label(ControlId::LabelPocetProgramovani),
                            c.CheckBoxTpsMapa,
                            c.UpDownPrivHyster,
                            c.BitBtnServoMinus,
                            c.BitBtnServoPlus,
                            c.CheckBoxServoAll,
                            c.label(ControlId::LabelMonSnimac1)};
    for (int r = 0; r < 10; ++r) {
        hiddenWhilePrinting_.push_back(tables.mapRpmUpDowns[r]);
        hiddenWhilePrinting_.push_back(tables.servoRpmUpDowns[r]);
        hiddenWhilePrinting_.push_back(tables.servoMvUpDowns[r]);
        hiddenWhilePrinting_.push_back(tables.advanceUpDowns[9][r]);
    }
    std::copy(c.spinButtons.begin(), c.spinButtons.end(), spinButtons_.begin());
    gaugeTps_ = c.gauge(ControlId::CGaugeTps);
    servoOnly_ = {c.GroupBoxPrivera, c.label(ControlId::LabelPriveraPoz), c.label(ControlId::LabelPriveraMer)};
    verze_ = {c.LabelVerze1, c.LabelVerze2, c.LabelVerze3};
    manualOnly_ = {c.ComboBoxSynchro,   c.ComboBoxNasobekPalcu, c.EditPocKanalu,  c.LabelLobe,      c.LabelHrana2,
                   c.LabelSnimac2,      c.EditKompenz1,         c.EditKompenz2,   c.EditKompenz3,   c.EditKompenz4,
                   c.CheckBoxBuzDlouhe, c.GroupBoxSpecial,      c.GroupBoxPalec1, c.GroupBoxPalec2, c.GroupBoxPalec3,
                   c.GroupBoxPalec4,    c.LabelSynchro,         c.LabelPocPalcu,  c.LabelPocKanalu, c.LabelPalec1Zac,
                   c.LabelPalec1End,    c.LabelPalec2Zac,       c.LabelPalec2End, c.LabelPalec3Zac, c.LabelPalec3End,
                   c.LabelPalec4Zac,    c.LabelPalec4End,       c.LabelKompenz};
    pocPalcu_ = c.EditPocPalcu;
    upDownPocPalcu_ = c.UpDownPocPalcu;
    upDownPocKanalu_ = c.UpDownPocKanalu;
    methods046_ = {c.CheckBoxInvInput2, c.label(ControlId::LabelMonSnimac2)};
    channelGroups_ = {c.GroupBoxPalec1, c.GroupBoxPalec2, c.GroupBoxPalec3, c.GroupBoxPalec4};
    n2oOnly_ = {c.GroupBoxGas,    c.GroupBoxRetard,   c.EditGasRpmMin,    c.UpDownGasRpmMin,
                c.LabelGasRpmMin, c.EditN2O_TPSmin,   c.UpDownN2O_TPSmin, c.LabelN2O_TPSmin,
                c.EditN2O_Repeat, c.UpDownN2O_Repeat, c.LabelN2O_Repeat};
    testOnly_ = {c.EditKompenz1,   c.EditKompenz2,   c.EditKompenz3,   c.EditKompenz4, c.UpDownKompenz1,
                 c.UpDownKompenz2, c.UpDownKompenz3, c.UpDownKompenz4, c.LabelKompenz};
}

void EnablingRules::apply(ParamImage& image, const RuleInputs& in) const
{
    if (!window_)
        return;
    present::applyImageRules(image);
    const present::RuleState r = present::decideRules(
        image, {.printing = in.printing, .testMode = in.testMode, .autoProgram = progHned_->isChecked()});
    const ControlTables& t = *tables_;

    // Group 1: window and switches.
    const QColor face = QApplication::palette().color(QPalette::Window);
    paintBackground(window_, r.windowWhite ? QColor(Qt::white) : face);
    paintBackground(zakazCteni_, r.noReadingRed ? QColor(Qt::red) : face);
    paintBackground(progHned_, r.autoProgramRed ? QColor(Qt::red) : face);

    // Group 2: editing aids hidden on a print.
    for (QWidget* w : hiddenWhilePrinting_)
        showIf(w, r.editingAidsShown);

    // Group 3: the throttle rows of the map.
    showAll(t.tpsRowLabels, r.tpsRowsShown);
    for (int row = 0; row < 9; ++row) {
        showAll(t.advanceEdits[row], r.tpsRowsShown);
        showAll(t.advanceUpDowns[row], r.tpsUpDownsShown);
    }
    showAll(spinButtons_, r.tpsUpDownsShown);
    showIf(gaugeTps_, r.tpsUpDownsShown);
    enableIf(labelTpsMon_, r.tpsLabelEnabled);
    // (The map's page may not be filled yet.)
    if (t.tpsRowLabels[0] && t.tpsRowLabels[9]) {
        const int rowTop = (r.fullThrottleRowOnTop ? t.tpsRowLabels[0]->y() : t.tpsRowLabels[9]->y()) - 4;
        for (int c = 0; c < 10; ++c) {
            for (QWidget* w :
                 {static_cast<QWidget*>(t.advanceEdits[9][c]), static_cast<QWidget*>(t.advanceUpDowns[9][c])})
                if (w && w->y() != rowTop)
                    w->move(w->x(), rowTop);
        }
    }

    // Group 4: servo.
    for (QWidget* w : servoOnly_)
        showIf(w, r.servoShown);

    // Group 5: what the unit reported about itself.
    for (int i = 0; i < 3; ++i)
        if (verze_[i] && verze_[i]->text() != in.identTexts[i])
            verze_[i]->setText(in.identTexts[i]);

    // Group 6: the manual keying may be edited only with "Special setting";
    // the boxes show the 2nd-edge flags the image rule tied.
    for (QWidget* w : manualOnly_)
        enableIf(w, r.manualEnabled);
    enableIf(pocPalcu_, r.lobeEditsEnabled);
    enableAll(t.maxAdvLobeEdits, r.lobeEditsEnabled);
    enableAll(t.startAdvLobeEdits, r.lobeEditsEnabled);
    for (int c = 0; c < 4; ++c) {
        enableIf(t.maxAdvEdge2Boxes[c], r.maxEdge2Enabled[static_cast<std::size_t>(c)]);
        enableIf(t.startAdvEdge2Boxes[c], r.otherEdgeBoxesEnabled);
        enableIf(t.maxAdvPickup2Boxes[c], r.otherEdgeBoxesEnabled);
        enableIf(t.startAdvPickup2Boxes[c], r.otherEdgeBoxesEnabled);
    }
    if (present::shownMethod(image) == present::kMethod48Minus2)
        for (int c = 0; c < 4; ++c) {
            setChecked(t.maxAdvEdge2Boxes[c], image[fld::maxAdvEdge2 + c] != 0);
            setChecked(t.startAdvEdge2Boxes[c], image[fld::startAdvEdge2 + c] != 0);
        }

    // Group 7: controls that belong to some synchronisation methods only.
    for (QWidget* w : methods046_)
        showIf(w, r.methods046Shown);
    showAll(t.maxAdvPickup2Boxes, r.pickup2BoxesShown);
    showAll(t.startAdvPickup2Boxes, r.pickup2BoxesShown);
    showIf(upDownPocPalcu_, r.lobeCountUpDownShown);
    showIf(upDownPocKanalu_, r.channelCountUpDownShown);
    showAll(t.maxAdvLobeUpDowns, r.lobeUpDownsShown);
    showAll(t.startAdvLobeUpDowns, r.lobeUpDownsShown);

    // Group 8: one group per channel, one live advance line per channel.
    for (int c = 0; c < 4; ++c)
        showIf(channelGroups_[c], r.channelGroupShown[static_cast<std::size_t>(c)]);
    for (int c = 1; c < 4; ++c)
        showIf(t.advanceLabels[c], r.advanceLabelShown[static_cast<std::size_t>(c)]);

    // Group 9: N2O.
    for (QWidget* w : n2oOnly_)
        showIf(w, r.n2oShown);

    // Group 10: hidden test mode.
    for (QWidget* w : testOnly_)
        showIf(w, r.testShown);
}

}  // namespace tarvel
