// Applies the enabling rules to the window: which controls are visible and
// enabled, three colours, the three unit identification texts and the height
// of the 100 % map row. What the rules decide, and the 48-2 tie of the image's
// 2nd-edge flags, comes from the presentation layer (present/EnablingRules);
// this class only remembers where the controls are.
#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <vector>

#include "WindowControls.h"
#include "model/ParamImage.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace tarvel {

struct RuleInputs {
    bool printing = false;
    bool testMode = false;
    std::array<QString, 3> identTexts;  // firmware, date, time; empty until the unit identified itself
};

class EnablingRules {
public:
    EnablingRules() = default;
    // `window` is painted white on a print; `controls` are the window's (those
    // of a tab page not filled yet are null and left alone).
    EnablingRules(QWidget* window, const WindowControls& controls);

    void apply(ParamImage& image, const RuleInputs& inputs) const;

private:
    QWidget* window_ = nullptr;
    const ControlTables* tables_ = nullptr;

    QCheckBox* progHned_ = nullptr;
    QCheckBox* zakazCteni_ = nullptr;
    QWidget* labelTpsMon_ = nullptr;
    std::vector<QWidget*> hiddenWhilePrinting_;
    std::array<QWidget*, 10> spinButtons_{};
    QWidget* gaugeTps_ = nullptr;
    std::vector<QWidget*> servoOnly_;
    std::array<QLabel*, 3> verze_{};
    std::vector<QWidget*> manualOnly_;
    QWidget* pocPalcu_ = nullptr;
    QWidget* upDownPocPalcu_ = nullptr;
    QWidget* upDownPocKanalu_ = nullptr;
    std::vector<QWidget*> methods046_;
    std::array<QWidget*, 4> channelGroups_{};
    std::vector<QWidget*> n2oOnly_;
    std::vector<QWidget*> testOnly_;
};

}  // namespace tarvel
