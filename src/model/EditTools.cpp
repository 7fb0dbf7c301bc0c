#include "EditTools.h"

namespace tarvel {

namespace {

// Moves one byte by delta without crossing [low, high]; a value already beyond
// the limit it moves toward stays where it is.
void stepWithin(std::uint8_t& value, int delta, int low, int high)
{
    if (delta < 0 && value > low)
        --value;
    else if (delta > 0 && value < high)
        ++value;
}

bool validIndex(int i)
{
    return i >= 0 && i < 10;
}

}  // namespace

void StepAdvance(ParamImage& image, int delta, bool all, const ToolPoint& point)
{
    if (all) {
        for (int t = 0; t < 10; ++t)
            for (int r = 0; r < 10; ++r)
                stepWithin(image.advance(t, r), delta, kAdvanceMin, kAdvanceMax);
        return;
    }
    if (point.belowMap || !validIndex(point.tpsRow) || !validIndex(point.rpmColumn))
        return;
    stepWithin(image.advance(point.tpsRow, point.rpmColumn), delta, kAdvanceMin, kAdvanceMax);
}

void StepAdvanceColumn(ParamImage& image, int column, int delta)
{
    if (!validIndex(column))
        return;
    for (int t = 0; t < 10; ++t)
        stepWithin(image.advance(t, column), delta, kAdvanceMin, kAdvanceMax);
}

void StepServo(ParamImage& image, int delta, bool all, const ToolPoint& point)
{
    if (all) {
        for (int i = 0; i < 10; ++i)
            stepWithin(image[fld::servoMv + i], delta, kServoMvMin, kServoMvMax);
        return;
    }
    if (!validIndex(point.servoColumn))
        return;
    stepWithin(image[fld::servoMv + point.servoColumn], delta, kServoMvMin, kServoMvMax);
}

bool CaptureTps0(ParamImage& image, int liveTpsMv)
{
    if (liveTpsMv < 100 || liveTpsMv > 2500)
        return false;
    image[fld::tps0] = static_cast<std::uint8_t>(liveTpsMv / 10);
    return true;
}

bool CaptureTps100(ParamImage& image, int liveTpsMv)
{
    if (liveTpsMv < 2500 || liveTpsMv > 4900)
        return false;
    image[fld::tps100] = static_cast<std::uint8_t>((liveTpsMv / 10 + 6) & 0xFF);
    return true;
}

}  // namespace tarvel
