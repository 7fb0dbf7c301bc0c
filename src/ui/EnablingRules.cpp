#include "EnablingRules.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "RequiredControl.h"
#include "present/EnablingRules.h"
#include "UpDown.h"

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

template <typename T>
T* EnablingRules::find(const char* name) const
{
    return requiredControl<T>(window_, QString::fromLatin1(name));
}

std::vector<QWidget*> EnablingRules::findAll(std::initializer_list<const char*> names) const
{
    std::vector<QWidget*> widgets;
    for (const char* name : names)
        widgets.push_back(find(name));
    return widgets;
}

EnablingRules::EnablingRules(QWidget* window, const ControlTables& tables) : window_(window), tables_(&tables)
{
    progHned_ = find<QCheckBox>("CheckBoxProgHned");
    zakazCteni_ = find<QCheckBox>("CheckBoxZakazCteni");
    labelTpsMon_ = find("LabelTpsMon");
    hiddenWhilePrinting_ = findAll({"CheckBoxProgHned", "StatusBar1",
                                    "GroupBoxToolBar",  "UpDownBaseAdv",
                                    "UpDownOmez2",      "BitBtnAdvMinus",
                                    "BitBtnAdvPlus",    "CheckBoxIgnAll",
                                    "UpDownTps0",       "UpDownTps100",
                                    "BitBtnTps0",       "BitBtnTps100",
                                    "CGaugeRpm",        "LabelPocetProgramovani",
                                    "CheckBoxTpsMapa",  "UpDownPrivHyster",
                                    "BitBtnServoMinus", "BitBtnServoPlus",
                                    "CheckBoxServoAll", "LabelMonSnimac1"});
    for (int r = 0; r < 10; ++r) {
        hiddenWhilePrinting_.push_back(tables.mapRpmUpDowns[r]);
        hiddenWhilePrinting_.push_back(tables.servoRpmUpDowns[r]);
        hiddenWhilePrinting_.push_back(tables.servoMvUpDowns[r]);
        hiddenWhilePrinting_.push_back(tables.advanceUpDowns[9][r]);
        spinButtons_[r] = requiredControl<QWidget>(window_, QStringLiteral("CSpinButton%1").arg(r + 1));
    }
    gaugeTps_ = find("CGaugeTps");
    servoOnly_ = findAll({"GroupBoxPrivera", "LabelPriveraPoz", "LabelPriveraMer"});
    verze_ = {find<QLabel>("LabelVerze1"), find<QLabel>("LabelVerze2"), find<QLabel>("LabelVerze3")};
    manualOnly_ =
        findAll({"ComboBoxSynchro",   "ComboBoxNasobekPalcu", "EditPocKanalu",  "LabelLobe",      "LabelHrana2",
                 "LabelSnimac2",      "EditKompenz1",         "EditKompenz2",   "EditKompenz3",   "EditKompenz4",
                 "CheckBoxBuzDlouhe", "GroupBoxSpecial",      "GroupBoxPalec1", "GroupBoxPalec2", "GroupBoxPalec3",
                 "GroupBoxPalec4",    "LabelSynchro",         "LabelPocPalcu",  "LabelPocKanalu", "LabelPalec1Zac",
                 "LabelPalec1End",    "LabelPalec2Zac",       "LabelPalec2End", "LabelPalec3Zac", "LabelPalec3End",
                 "LabelPalec4Zac",    "LabelPalec4End",       "LabelKompenz"});
    pocPalcu_ = find("EditPocPalcu");
    upDownPocPalcu_ = find("UpDownPocPalcu");
    upDownPocKanalu_ = find("UpDownPocKanalu");
    methods046_ = findAll({"CheckBoxInvInput2", "LabelMonSnimac2"});
    channelGroups_ = {find("GroupBoxPalec1"), find("GroupBoxPalec2"), find("GroupBoxPalec3"), find("GroupBoxPalec4")};
    n2oOnly_ = findAll({"GroupBoxGas", "GroupBoxRetard", "EditGasRpmMin", "UpDownGasRpmMin", "LabelGasRpmMin",
                        "EditN2O_TPSmin", "UpDownN2O_TPSmin", "LabelN2O_TPSmin", "EditN2O_Repeat", "UpDownN2O_Repeat",
                        "LabelN2O_Repeat"});
    testOnly_ = findAll({"EditKompenz1", "EditKompenz2", "EditKompenz3", "EditKompenz4", "UpDownKompenz1",
                         "UpDownKompenz2", "UpDownKompenz3", "UpDownKompenz4", "LabelKompenz"});
}

void EnablingRules::apply(ParamImage& image, const RuleInputs& in) const
{
    if (!window_)
        return;
    present::applyImageRules(image);
    const present::RuleState r =
        present::decideRules(image, {.printing = in.printing, .testMode = in.testMode, .autoProgram = progHned_->isChecked()});
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
    const int rowTop = (r.fullThrottleRowOnTop ? t.tpsRowLabels[0]->y() : t.tpsRowLabels[9]->y()) - 4;
    for (int c = 0; c < 10; ++c) {
        for (QWidget* w : {static_cast<QWidget*>(t.advanceEdits[9][c]), static_cast<QWidget*>(t.advanceUpDowns[9][c])})
            if (w->y() != rowTop)
                w->move(w->x(), rowTop);
    }

    // Group 4: servo.
    for (QWidget* w : servoOnly_)
        showIf(w, r.servoShown);

    // Group 5: what the unit reported about itself.
    for (int i = 0; i < 3; ++i)
        if (verze_[i]->text() != in.identTexts[i])
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
