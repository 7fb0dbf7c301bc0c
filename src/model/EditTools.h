// One-click tools that reshape the curves of the image: the advance map by one
// degree at the live operating point or as a whole, one map column, the servo
// voltages by one step, and the capture of the live throttle voltage as the
// 0 % or 100 % calibration. Each works on the image only; the caller reads the
// controls before and commits after.
#pragma once

#include "ParamImage.h"

namespace tarvel {

// Where the engine runs in the advance map and the servo curve.
struct ToolPoint {
    int tpsRow = 9;        // throttle row of the map (9 when the map ignores throttle)
    int rpmColumn = 0;     // speed column of the map
    int servoColumn = 0;   // speed column of the servo curve
    bool belowMap = true;  // speed below the first map column, or no live data yet
};

inline constexpr int kAdvanceMin = 0;
inline constexpr int kAdvanceMax = 60;
inline constexpr int kServoMvMin = 1;    // 20 mV
inline constexpr int kServoMvMax = 249;  // 4980 mV, one step below the control's top

// delta is +1 or -1. With `all` every map cell moves, otherwise the cell at the
// operating point (nothing below the map). Cells stop at 0 and 60; a cell
// already beyond a limit is left as it is in that direction.
void StepAdvance(ParamImage& image, int delta, bool all, const ToolPoint& point);

// delta is +1 or -1: one map column (0..9) in all ten throttle rows.
void StepAdvanceColumn(ParamImage& image, int column, int delta);

// delta is +1 or -1 (20 mV). With `all` all ten points, otherwise the point at
// the operating point's servo column. Values stop at 1 and 249.
void StepServo(ParamImage& image, int delta, bool all, const ToolPoint& point);

// Store the live throttle voltage as tps0 when it lies within 100..2500 mV, or
// as tps100 when within 2500..4900 mV. Returns whether the image was written.
bool CaptureTps0(ParamImage& image, int liveTpsMv);
bool CaptureTps100(ParamImage& image, int liveTpsMv);

}  // namespace tarvel
