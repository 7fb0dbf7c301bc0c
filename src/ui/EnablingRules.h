// Which controls are visible and enabled, three colours, the three unit
// identification texts and the height of the 100 % map row, all derived afresh
// from the current state on every call. The routine keeps no state of its own;
// it only remembers where the controls are. In the 48-2 method it also ties
// the seven other 2nd-edge flags of the image to channel 1's maximum-advance
// flag.
#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <vector>

#include "ControlTables.h"
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
    EnablingRules(QWidget* window, const ControlTables& tables);

    void apply(ParamImage& image, const RuleInputs& inputs) const;

private:
    template <typename T = QWidget>
    T* find(const char* name) const;
    std::vector<QWidget*> findAll(std::initializer_list<const char*> names) const;

    QWidget* window_ = nullptr;
    const ControlTables* tables_ = nullptr;

    QCheckBox* tpsMapa_ = nullptr;
    QComboBox* bike_ = nullptr;
    QComboBox* synchro_ = nullptr;
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
