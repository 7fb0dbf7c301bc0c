#include "DefaultSet.h"

#include <algorithm>

namespace tarvel {

namespace {

constexpr std::uint8_t kDefaultMap[10][10]{
    {10, 13, 16, 25, 28, 32, 33, 33, 33, 33},  //   0 %
    {10, 16, 22, 31, 33, 35, 35, 35, 35, 35},  //   2 %
    {10, 24, 35, 44, 45, 45, 43, 41, 41, 41},  //   5 %
    {10, 19, 32, 39, 45, 47, 46, 43, 43, 43},  //  10 %
    {10, 12, 15, 25, 31, 33, 32, 32, 32, 31},  //  20 %
    {10, 12, 16, 25, 28, 30, 33, 32, 32, 32},  //  30 %
    {10, 12, 16, 25, 28, 30, 33, 31, 33, 31},  //  40 %
    {10, 12, 15, 25, 28, 30, 32, 32, 32, 32},  //  60 %
    {10, 12, 15, 25, 28, 30, 32, 32, 32, 32},  //  80 %
    {10, 12, 15, 25, 28, 30, 32, 32, 32, 32},  // 100 %
};
constexpr std::uint8_t kMapRpm[10]{15, 20, 30, 40, 50, 60, 70, 80, 90, 100};
constexpr std::uint8_t kServoRpm[10]{12, 20, 30, 40, 60, 80, 100, 120, 140, 160};
constexpr std::uint8_t kServoMv[10]{100, 105, 110, 115, 120, 125, 130, 135, 140, 145};
// "Yamaha R1" (code 19) drives its throttle servo along a curve of its own.
constexpr std::uint8_t kR1ServoRpm[10]{3, 4, 41, 46, 65, 70, 75, 83, 90, 105};
constexpr std::uint8_t kR1ServoMv[10]{30, 45, 45, 61, 61, 64, 68, 80, 93, 93};
constexpr std::uint8_t kR1BikeCode = 19;

void put(ParamImage& image, int first, const std::uint8_t (&values)[10])
{
    std::copy(std::begin(values), std::end(values), image.bytes.begin() + first);
}

}  // namespace

void SetDefaultCompensation(ParamImage& image)
{
    for (int i = 0; i < 4; ++i)
        image[fld::compensation + i] = 11;
}

void ApplyDefaultSet(ParamImage& image)
{
    image[fld::noReading] = 0;
    image[fld::baseAdvance] = 10;
    image[fld::invertInput1] = 0;
    image[fld::invertInput2] = 0;
    image[fld::limiter] = 110;
    image[fld::startLimiterMin] = 50;
    image[fld::startLimiterMax] = 100;
    image[fld::startLimiterDelay] = 0;
    image[fld::pilotLight] = 90;
    image[fld::tps0] = 70;
    image[fld::tps100] = 129;
    image[fld::tpsMap] = 0;
    image[fld::servoEnable] = 0;
    image[fld::servoHysteresis] = 20;
    image[fld::excitationLong] = 1;
    image[fld::ignitionMultiple] = 1;
    image[fld::closingActive] = 63;
    image[fld::tachoCorrection] = 100;
    put(image, fld::mapRpm, kMapRpm);
    for (int t = 0; t < 10; ++t)
        for (int r = 0; r < 10; ++r)
            image.advance(t, r) = kDefaultMap[t][r];
    const bool r1 = image[fld::bikeCode] == kR1BikeCode;
    put(image, fld::servoRpm, r1 ? kR1ServoRpm : kServoRpm);
    put(image, fld::servoMv, r1 ? kR1ServoMv : kServoMv);
    image[fld::revsWithoutIgnition] = 1;
    SetDefaultCompensation(image);
    image[fld::clutchTime] = 10;
    image[fld::clutchPause] = 50;
    image[fld::n2oEnable] = 0;
    image[fld::gas1] = 20;
    image[fld::gas2] = 60;
    image[fld::gasDelay] = 20;
    image[fld::gasBuildUp] = 30;
    image[fld::retard1] = 0;
    image[fld::retard2] = 0;
    image[fld::retardDelay] = 20;
    image[fld::retardBuildUp] = 30;
    image[fld::n2oRpmMin] = 50;
    image[fld::n2oTpsMin] = 85;
    image[fld::n2oRepeat] = 10;
    if (image[fld::bikeCode] != kSpecialBikeCode)
        for (int c = 0; c < 4; ++c) {
            image[fld::maxAdvEdge2 + c] = 0;
            image[fld::startAdvEdge2 + c] = 0;
            image[fld::maxAdvPickup2 + c] = 0;
            image[fld::startAdvPickup2 + c] = 0;
        }
}

}  // namespace tarvel
