#include "Normalise.h"

namespace tarvel {

namespace {

// A speed axis of ten bytes: column i within i+3..i+191, then strictly rising.
void repairAxis(ParamImage& image, int first)
{
    for (int i = 0; i < 10; ++i) {
        std::uint8_t& v = image[first + i];
        if (v < i + 3)
            v = static_cast<std::uint8_t>(i + 3);
        if (v > i + 191)
            v = static_cast<std::uint8_t>(i + 191);
    }
    for (int i = 1; i < 10; ++i)
        if (image[first + i] <= image[first + i - 1])
            image[first + i] = static_cast<std::uint8_t>(image[first + i - 1] + 1);
}

void clampAbove(std::uint8_t& v, std::uint8_t limit)
{
    if (v > limit)
        v = limit;
}

}  // namespace

void NormaliseImage(ParamImage& image)
{
    repairAxis(image, fld::mapRpm);
    // The stored 100 % voltage may reach 5000 mV although its control stops at 4750.
    clampAbove(image[fld::tps0], 250);
    clampAbove(image[fld::tps100], 250);
    repairAxis(image, fld::servoRpm);

    const std::uint8_t syncMode = image[fld::syncMode];
    if (syncMode == 0)
        image[fld::lobeCount] = 1;
    const std::uint8_t lobes = image[fld::lobeCount];
    for (int c = 0; c < 4; ++c) {
        clampAbove(image[fld::maxAdvLobe + c], lobes);
        clampAbove(image[fld::startAdvLobe + c], lobes);
        if (syncMode != 0 && syncMode != 4) {
            image[fld::maxAdvPickup2 + c] = 0;
            image[fld::startAdvPickup2 + c] = 0;
        }
    }

    clampAbove(image[fld::gas1], 100);
    clampAbove(image[fld::gas2], 100);
    if (image[fld::gas2] < image[fld::gas1])
        image[fld::gas1] = image[fld::gas2];
    if (image[fld::gasBuildUp] == 0)
        image[fld::gasBuildUp] = 1;
    clampAbove(image[fld::gasDelay], 200);
    clampAbove(image[fld::gasBuildUp], 200);

    clampAbove(image[fld::retard1], 25);
    clampAbove(image[fld::retard2], 25);
    if (image[fld::retard2] < image[fld::retard1])
        image[fld::retard1] = image[fld::retard2];
    clampAbove(image[fld::retardDelay], 200);
    if (image[fld::retardBuildUp] == 0)
        image[fld::retardBuildUp] = 1;
    clampAbove(image[fld::retardBuildUp], 200);

    clampAbove(image[fld::channelCount], 4);
}

void NormaliseImage(ParamImage& image, std::uint8_t& language, std::uint8_t& portIndex, std::uint8_t& scanIndex)
{
    NormaliseImage(image);
    if (language > 3)
        language = 0;
    if (portIndex > 20)
        portIndex = 0;
    if (scanIndex > 19)
        scanIndex = 0;
}

}  // namespace tarvel
