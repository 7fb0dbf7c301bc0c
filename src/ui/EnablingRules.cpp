#include "EnablingRules.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "RequiredControl.h"
#include "UpDown.h"

namespace tarvel {

namespace {

constexpr int kManualKeyingRow = 31;
constexpr int kMethod48Minus2 = 8;
constexpr int kMethodHarley = 7;

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
    tpsMapa_ = find<QCheckBox>("CheckBoxTpsMapa");
    bike_ = find<QComboBox>("ComboBoxBike");
    synchro_ = find<QComboBox>("ComboBoxSynchro");
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
    const ControlTables& t = *tables_;
    const bool printing = in.printing;
    const bool throttleMap = tpsMapa_->isChecked();
    const bool manual = bike_->currentIndex() == kManualKeyingRow;
    const int m = synchro_->currentIndex();
    const bool autoProgram = progHned_->isChecked();
    const bool noReading = image[fld::noReading] != 0;
    const bool servo = image[fld::servoEnable] != 0;
    const bool n2o = image[fld::n2oEnable] != 0;
    const int channels = image[fld::channelCount];
    const bool manualCode = image[fld::bikeCode] == kSpecialBikeCode;

    // Group 1: window and switches.
    const QColor face = QApplication::palette().color(QPalette::Window);
    paintBackground(window_, printing ? QColor(Qt::white) : face);
    paintBackground(zakazCteni_, noReading ? QColor(Qt::red) : face);
    paintBackground(progHned_, autoProgram ? QColor(Qt::red) : face);

    // Group 2: editing aids hidden on a print.
    for (QWidget* w : hiddenWhilePrinting_)
        showIf(w, !printing);

    // Group 3: the throttle rows of the map.
    showAll(t.tpsRowLabels, throttleMap);
    for (int row = 0; row < 9; ++row) {
        showAll(t.advanceEdits[row], throttleMap);
        showAll(t.advanceUpDowns[row], throttleMap && !printing);
    }
    showAll(spinButtons_, throttleMap && !printing);
    showIf(gaugeTps_, throttleMap && !printing);
    enableIf(labelTpsMon_, throttleMap);
    // Without the throttle map the 100 % row stands alone in the place of the first row.
    const int rowTop = (throttleMap ? t.tpsRowLabels[9]->y() : t.tpsRowLabels[0]->y()) - 4;
    for (int r = 0; r < 10; ++r) {
        for (QWidget* w : {static_cast<QWidget*>(t.advanceEdits[9][r]), static_cast<QWidget*>(t.advanceUpDowns[9][r])})
            if (w->y() != rowTop)
                w->move(w->x(), rowTop);
    }

    // Group 4: servo.
    for (QWidget* w : servoOnly_)
        showIf(w, servo);

    // Group 5: what the unit reported about itself.
    for (int i = 0; i < 3; ++i)
        if (verze_[i]->text() != in.identTexts[i])
            verze_[i]->setText(in.identTexts[i]);

    // Group 6: the manual keying may be edited only with "Special setting".
    for (QWidget* w : manualOnly_)
        enableIf(w, manual);
    enableIf(pocPalcu_, manual && m != 0);
    enableAll(t.maxAdvLobeEdits, manual && m != 0);
    enableAll(t.startAdvLobeEdits, manual && m != 0);
    for (int c = 0; c < 4; ++c) {
        enableIf(t.maxAdvEdge2Boxes[c], manual && (m != kMethod48Minus2 || c == 0));
        enableIf(t.startAdvEdge2Boxes[c], manual && m != kMethod48Minus2);
        enableIf(t.maxAdvPickup2Boxes[c], manual && m != kMethod48Minus2);
        enableIf(t.startAdvPickup2Boxes[c], manual && m != kMethod48Minus2);
    }
    if (m == kMethod48Minus2) {
        // Every 2nd-edge flag follows channel 1's maximum-advance flag.
        const std::uint8_t edge = image[fld::maxAdvEdge2];
        image[fld::startAdvEdge2] = edge;
        setChecked(t.startAdvEdge2Boxes[0], edge != 0);
        for (int c = 1; c < 4; ++c) {
            image[fld::maxAdvEdge2 + c] = edge;
            image[fld::startAdvEdge2 + c] = edge;
            setChecked(t.maxAdvEdge2Boxes[c], edge != 0);
            setChecked(t.startAdvEdge2Boxes[c], edge != 0);
        }
    }

    // Group 7: controls that belong to some synchronisation methods only.
    for (QWidget* w : methods046_)
        showIf(w, m == 0 || m == 4 || m == 6);
    showAll(t.maxAdvPickup2Boxes, m == 0 || m == 4);
    showAll(t.startAdvPickup2Boxes, m == 0 || m == 4);
    showIf(upDownPocPalcu_, manual && m != 0 && m != kMethodHarley);
    showIf(upDownPocKanalu_, manual && m != kMethodHarley);
    showAll(t.maxAdvLobeUpDowns, manual && m != 0);
    showAll(t.startAdvLobeUpDowns, manual && m != 0);

    // Group 8: one group per channel, one live advance line per channel.
    for (int c = 0; c < 4; ++c)
        showIf(channelGroups_[c], m != kMethodHarley && (c == 0 || channels >= c + 1));
    for (int c = 1; c < 4; ++c)
        showIf(t.advanceLabels[c], manualCode && channels >= c + 1);

    // Group 9: N2O.
    for (QWidget* w : n2oOnly_)
        showIf(w, n2o);

    // Group 10: hidden test mode.
    for (QWidget* w : testOnly_)
        showIf(w, in.testMode);
}

}  // namespace tarvel
