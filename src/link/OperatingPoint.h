// The cell of the advance map and the point of the servo curve the engine is
// running in, lit in lime by the window: one speed column of the map (none
// while the speed is below the first column), one throttle row (row 9 when the
// map ignores the throttle), one servo point.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "model/ParamImage.h"

namespace tarvel::link {

// Nearest column of ten ascending axis values for v: the first x[i] above v
// decides; a value exactly halfway goes to the lower column. belowFirst tells
// that already x[0] is above v.
int nearestColumn(std::span<const std::uint8_t, 10> axis, int v, bool* belowFirst = nullptr);

struct OperatingPoint {
    std::uint8_t opRpmColumn = 0;
    std::uint8_t opTpsRow = 9;
    std::uint8_t opServoColumn = 0;
    bool opBelowMap = true;

    // Lit controls: -1 when none of the family is lit.
    int litMapColumn() const { return opBelowMap ? -1 : opRpmColumn; }  // mapRpmEdits[j]
    int litTpsRow() const { return opTpsRow; }                          // tpsRowLabels[t]
    int litServoColumn() const { return opServoColumn; }                // servoRpmEdits[j], servoMvEdits[j]
    // advanceEdits[t][r] is lit when t == litTpsRow() and r == litMapColumn().
    bool advanceCellLit(int t, int r) const { return !opBelowMap && t == opTpsRow && r == opRpmColumn; }

    bool operator==(const OperatingPoint&) const = default;
};

// liveRpm / 100 modulo 256 against mapRpm and servoRpm; the throttle against
// the fixed breakpoints when the throttle-map check box is checked.
OperatingPoint computeOperatingPoint(const ParamImage& image, std::uint16_t liveRpm, std::uint8_t liveTpsPercent,
                                     bool tpsMapChecked);

}  // namespace tarvel::link
