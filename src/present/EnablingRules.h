// The enabling rules: which controls are visible, enabled or coloured, decided
// from the image, the printing and test flags and "Programming after change"
// alone, without a window. In the 48-2 method the seven other 2nd-edge flags
// of the image follow channel 1's maximum-advance flag (an image rule).
#pragma once

#include <array>

#include "model/ParamImage.h"

namespace tarvel::present {

inline constexpr int kManualKeyingRow = 31;
inline constexpr int kMethod48Minus2 = 8;
inline constexpr int kMethodHarley = 7;

struct RuleInputs {
    bool printing = false;
    bool testMode = false;
    bool autoProgram = false;  // "Programming after change" is checked
};

// What the rules decide. Each member names the family of controls it rules.
struct RuleState {
    bool windowWhite = false;      // the window's background (printing)
    bool noReadingRed = false;     // CheckBoxZakazCteni
    bool autoProgramRed = false;   // CheckBoxProgHned
    bool editingAidsShown = true;  // the editing aids a print leaves out

    bool tpsRowsShown = false;      // map rows 1..9 and the row labels
    bool tpsUpDownsShown = false;   // their up-downs, the column spin buttons, CGaugeTps
    bool tpsLabelEnabled = false;   // LabelTpsMon
    bool fullThrottleRowOnTop = true;  // without the map the 100 % row stands in the first row's place

    bool servoShown = false;  // GroupBoxPrivera and the servo live labels

    bool manualEnabled = false;      // the manual keying controls
    bool lobeEditsEnabled = false;   // EditPocPalcu and the channels' lobe edits
    std::array<bool, 4> maxEdge2Enabled{};
    bool otherEdgeBoxesEnabled = false;  // start 2nd edge and both 2nd pick-up boxes

    bool methods046Shown = false;   // CheckBoxInvInput2, LabelMonSnimac2
    bool pickup2BoxesShown = false;
    bool lobeCountUpDownShown = false;    // UpDownPocPalcu
    bool channelCountUpDownShown = false; // UpDownPocKanalu
    bool lobeUpDownsShown = false;        // the channels' lobe up-downs

    std::array<bool, 4> channelGroupShown{};  // GroupBoxPalec1..4
    std::array<bool, 4> advanceLabelShown{};  // LabelAdvance1..4 (the first is always shown)

    bool n2oShown = false;
    bool testShown = false;  // compensation edits, up-downs and label

    bool operator==(const RuleState&) const = default;
};

// The synchronisation method as its list shows it: -1 beyond the nine rows.
int shownMethod(const ParamImage& image);

// The 48-2 tie; returns whether the image changed.
bool applyImageRules(ParamImage& image);

RuleState decideRules(const ParamImage& image, const RuleInputs& inputs);

}  // namespace tarvel::present
