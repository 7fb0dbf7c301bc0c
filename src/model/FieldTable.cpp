#include "FieldTable.h"

#include <array>
#include <cstdio>
#include <cstring>

#include "ParamImage.h"

namespace tarvel {

namespace {

using CK = ControlKind;
using FF = FileForm;

constexpr Scaling kRaw{};
constexpr Scaling kX5{5, 0, 0};
constexpr Scaling kX10{10, 0, 0};
constexpr Scaling kX20{20, 0, 0};
constexpr Scaling kX100{100, 0, 0};
// 100 % throttle voltage: mV = byte * 10 + 2500, byte = mV / 10 + 6 (mod 256).
constexpr Scaling kTps100{10, 6, 2500};
// Tachometer correction: percent = byte - 100, byte = percent + 100 (mod 256).
constexpr Scaling kTachoCorrection{1, 100, -100};

// Positions inside BIKE: code, method, lobes, channels, then six numbers per
// channel (max lobe, max 2nd edge, max 2nd pick-up, start lobe, start 2nd
// edge, start 2nd pick-up), then revolutions without ignition and the four
// compensation values.
constexpr int kBikeChannel = 4;

// clang-format off
constexpr FieldDescriptor kFields[] = {
    {.name = "bikeCode", .byte = fld::bikeCode, .count = 1, .kind = CK::BikeList, .control = "ComboBoxBike",
     .noRowKeepsSelection = true, .keyword = "BIKE", .position = 0, .form = FF::Unsigned},
    {.name = "noReading", .byte = fld::noReading, .count = 1, .kind = CK::CheckBox, .control = "CheckBoxZakazCteni",
     .keyword = "NO_READING", .form = FF::Flag},
    {.name = "syncMode", .byte = fld::syncMode, .count = 1, .kind = CK::SyncList, .control = "ComboBoxSynchro",
     .listRows = 9, .keyword = "BIKE", .position = 1, .form = FF::Unsigned},
    {.name = "lobeCount", .byte = fld::lobeCount, .count = 1, .kind = CK::UpDown, .control = "UpDownPocPalcu",
     .min = 1, .max = 58, .step = 1, .thousands = true, .keyword = "BIKE", .position = 2, .form = FF::Unsigned},
    {.name = "channelCount", .byte = fld::channelCount, .count = 1, .kind = CK::UpDown, .control = "UpDownPocKanalu",
     .min = 1, .max = 4, .step = 1, .thousands = true, .keyword = "BIKE", .position = 3, .form = FF::Unsigned},
    {.name = "ignitionMultiple", .byte = fld::ignitionMultiple, .count = 1, .kind = CK::MultipleList, .control = "ComboBoxNasobekPalcu",
     .keyword = "GEBER_MODE", .form = FF::Unsigned},
    {.name = "invertInput1", .byte = fld::invertInput1, .count = 1, .kind = CK::CheckBox, .control = "CheckBoxInvInput1",
     .keyword = "INPUT", .position = 0, .form = FF::Unsigned},
    {.name = "pilotLight", .byte = fld::pilotLight, .count = 1, .kind = CK::UpDown, .control = "UpDownPilotLight", .ctl = kX100,
     .min = 1000, .max = 25000, .step = 100, .thousands = true, .keyword = "PILOT_LIGHT", .file = kX100, .form = FF::Unsigned},
    {.name = "invertInput2", .byte = fld::invertInput2, .count = 1, .kind = CK::CheckBox, .control = "CheckBoxInvInput2",
     .keyword = "INPUT", .position = 1, .form = FF::Unsigned},
    {.name = "baseAdvance", .byte = fld::baseAdvance, .count = 1, .kind = CK::UpDown, .control = "UpDownBaseAdv",
     .min = 0, .max = 40, .step = 1, .thousands = true, .keyword = "BASE_ADV", .form = FF::Unsigned},
    {.name = "revsWithoutIgnition", .byte = fld::revsWithoutIgnition, .count = 1, .kind = CK::UpDown, .control = "UpDownPocSynchro",
     .min = 0, .max = 40, .step = 1, .thousands = true, .keyword = "BIKE", .position = 28, .form = FF::Unsigned},
    {.name = "tachoPulses", .byte = fld::tachoPulses, .count = 1, .kind = CK::UpDown, .control = "UpDownRpmPulsu",
     .min = 0, .max = 6, .step = 1, .thousands = true, .keyword = "RPM", .position = 0, .form = FF::Unsigned},
    {.name = "tachoCorrection", .byte = fld::tachoCorrection, .count = 1, .kind = CK::UpDown, .control = "UpDownRpmKorekce", .ctl = kTachoCorrection,
     .min = -60, .max = 60, .step = 1, .thousands = true, .keyword = "RPM", .position = 1, .file = kTachoCorrection, .form = FF::Signed},
    {.name = "limiter", .byte = fld::limiter, .count = 1, .kind = CK::UpDown, .control = "UpDownOmez2", .ctl = kX100,
     .min = 999, .max = 25000, .step = 100, .thousands = true, .keyword = "LIMITER", .position = 2, .form = FF::Unsigned},
    {.name = "reserved14", .byte = fld::reserved14, .count = 1, .kind = CK::None},
    {.name = "excitationLong", .byte = fld::excitationLong, .count = 1, .kind = CK::CheckBox, .control = "CheckBoxBuzDlouhe",
     .keyword = "EXCITATION", .form = FF::Flag},
    {.name = "servoEnable", .byte = fld::servoEnable, .count = 1, .kind = CK::CheckBox, .control = "CheckBoxPrivEnable",
     .keyword = "SERVO_ENABLE", .form = FF::Flag},
    {.name = "servoHysteresis", .byte = fld::servoHysteresis, .count = 1, .kind = CK::UpDown, .control = "UpDownPrivHyster", .ctl = kX5,
     .min = 0, .max = 1275, .step = 5, .thousands = true, .keyword = "SERVO_HYSTER", .file = kX5, .form = FF::Unsigned},
    {.name = "startLimiterMin", .byte = fld::startLimiterMin, .count = 1, .kind = CK::UpDown, .control = "UpDownStartLimiterMin", .ctl = kX100,
     .min = 999, .max = 25000, .step = 100, .thousands = true, .keyword = "LIMITER", .position = 0, .form = FF::Unsigned},
    {.name = "startLimiterMax", .byte = fld::startLimiterMax, .count = 1, .kind = CK::UpDown, .control = "UpDownStartLimiterMax", .ctl = kX100,
     .min = 999, .max = 25000, .step = 100, .thousands = true, .keyword = "LIMITER", .position = 1, .form = FF::Unsigned},
    {.name = "tps0", .byte = fld::tps0, .count = 1, .kind = CK::UpDown, .control = "UpDownTps0", .ctl = kX10,
     .min = 250, .max = 2500, .step = 10, .thousands = true, .keyword = "TPS", .position = 0, .file = kX10, .form = FF::Unsigned},
    {.name = "tps100", .byte = fld::tps100, .count = 1, .kind = CK::UpDown, .control = "UpDownTps100", .ctl = kTps100,
     .min = 2500, .max = 4750, .step = 10, .thousands = true, .keyword = "TPS", .position = 1, .file = kTps100, .form = FF::Unsigned},
    {.name = "tpsMap", .byte = fld::tpsMap, .count = 1, .kind = CK::CheckBox, .control = "CheckBoxTpsMapa",
     .keyword = "TPS_MAPA", .form = FF::Flag},
    {.name = "compensation", .byte = fld::compensation, .count = 4, .kind = CK::UpDown, .control = "UpDownKompenz%d", .controlBase = 1,
     .min = 0, .max = 255, .step = 1, .thousands = true, .testModeOnly = true, .fixedValue = 11,
     .keyword = "BIKE", .position = 29, .positionStride = 1, .form = FF::Unsigned},
    {.name = "clutchTime", .byte = fld::clutchTime, .count = 1, .kind = CK::UpDown, .control = "UpDownClutchTime", .ctl = kX10,
     .min = 0, .max = 2500, .step = 10, .thousands = true, .keyword = "CLUTCH", .position = 0, .file = kX10, .form = FF::Unsigned},
    {.name = "clutchPause", .byte = fld::clutchPause, .count = 1, .kind = CK::UpDown, .control = "UpDownClutchPause", .ctl = kX10,
     .min = 0, .max = 2500, .step = 10, .thousands = true, .keyword = "CLUTCH", .position = 1, .file = kX10, .form = FF::Unsigned},
    {.name = "startLimiterDelay", .byte = fld::startLimiterDelay, .count = 1, .kind = CK::UpDown, .control = "UpDownStartLimiterPause", .ctl = kX100,
     .min = 0, .max = 5000, .step = 100, .thousands = true, .keyword = "START_LIMITER_DELAY", .form = FF::Unsigned},
    {.name = "maxAdvLobe", .byte = fld::maxAdvLobe, .count = 4, .kind = CK::UpDown, .control = "UpDownPalec%dZac", .controlBase = 1,
     .min = 1, .max = 58, .step = 1, .thousands = true, .keyword = "BIKE", .position = kBikeChannel + 0, .positionStride = 6, .form = FF::Unsigned},
    {.name = "startAdvLobe", .byte = fld::startAdvLobe, .count = 4, .kind = CK::UpDown, .control = "UpDownPalec%dEnd", .controlBase = 1,
     .min = 1, .max = 58, .step = 1, .thousands = true, .keyword = "BIKE", .position = kBikeChannel + 3, .positionStride = 6, .form = FF::Unsigned},
    {.name = "maxAdvEdge2", .byte = fld::maxAdvEdge2, .count = 4, .kind = CK::CheckBox, .control = "CheckBoxPalec%dZacH2", .controlBase = 1,
     .keyword = "BIKE", .position = kBikeChannel + 1, .positionStride = 6, .form = FF::Unsigned},
    {.name = "startAdvEdge2", .byte = fld::startAdvEdge2, .count = 4, .kind = CK::CheckBox, .control = "CheckBoxPalec%dEndH2", .controlBase = 1,
     .keyword = "BIKE", .position = kBikeChannel + 4, .positionStride = 6, .form = FF::Unsigned},
    {.name = "maxAdvPickup2", .byte = fld::maxAdvPickup2, .count = 4, .kind = CK::CheckBox, .control = "CheckBoxPalec%dZacP2", .controlBase = 1,
     .keyword = "BIKE", .position = kBikeChannel + 2, .positionStride = 6, .form = FF::Unsigned},
    {.name = "startAdvPickup2", .byte = fld::startAdvPickup2, .count = 4, .kind = CK::CheckBox, .control = "CheckBoxPalec%dEndP2", .controlBase = 1,
     .keyword = "BIKE", .position = kBikeChannel + 5, .positionStride = 6, .form = FF::Unsigned},
    // closingActive, one descriptor per bit; bits 6 and 7 are always 0.
    {.name = "closingActive", .byte = fld::closingActive, .count = 1, .kind = CK::ClosingBit, .control = "CheckBoxAktLimiter1", .bit = 0, .bitsInUse = 0x3F,
     .keyword = "INPUT", .position = 2, .form = FF::Bit},
    {.name = "closingActive", .byte = fld::closingActive, .count = 1, .kind = CK::ClosingBit, .control = "CheckBoxAktTachoLambda", .bit = 1, .bitsInUse = 0x3F,
     .keyword = "INPUT", .position = 3, .form = FF::Bit},
    {.name = "closingActive", .byte = fld::closingActive, .count = 1, .kind = CK::ClosingBit, .control = "CheckBoxAktClutch", .bit = 2, .bitsInUse = 0x3F,
     .keyword = "INPUT", .position = 4, .form = FF::Bit},
    {.name = "closingActive", .byte = fld::closingActive, .count = 1, .kind = CK::ClosingBit, .control = "CheckBoxAktBlok1", .bit = 3, .bitsInUse = 0x3F,
     .keyword = "INPUT", .position = 5, .form = FF::Bit},
    {.name = "closingActive", .byte = fld::closingActive, .count = 1, .kind = CK::ClosingBit, .control = "CheckBoxAktBlok2", .bit = 4, .bitsInUse = 0x3F,
     .keyword = "INPUT", .position = 6, .form = FF::Bit},
    {.name = "closingActive", .byte = fld::closingActive, .count = 1, .kind = CK::ClosingBit, .control = "CheckBoxAktN2o", .bit = 5, .bitsInUse = 0x3F,
     .keyword = "INPUT", .position = 7, .form = FF::Bit},
    {.name = "reserved55", .byte = fld::reserved55, .count = 3, .kind = CK::None},
    {.name = "n2oRpmMin", .byte = fld::n2oRpmMin, .count = 1, .kind = CK::UpDown, .control = "UpDownGasRpmMin", .ctl = kX100,
     .min = 0, .max = 25000, .step = 100, .thousands = true, .keyword = "N2O_RPM_MIN", .file = kX100, .form = FF::Unsigned},
    {.name = "n2oTpsMin", .byte = fld::n2oTpsMin, .count = 1, .kind = CK::UpDown, .control = "UpDownN2O_TPSmin",
     .min = 0, .max = 100, .step = 1, .thousands = true, .keyword = "N2O_TPS_MIN", .form = FF::Unsigned},
    {.name = "n2oRepeat", .byte = fld::n2oRepeat, .count = 1, .kind = CK::UpDown, .control = "UpDownN2O_Repeat",
     .min = 0, .max = 30, .step = 2, .thousands = true, .keyword = "N2O_REPEAT", .form = FF::Unsigned},
    {.name = "n2oEnable", .byte = fld::n2oEnable, .count = 1, .kind = CK::CheckBox, .control = "CheckBoxGas",
     .keyword = "N2O", .position = 0, .form = FF::N2oFlag},
    {.name = "gas1", .byte = fld::gas1, .count = 1, .kind = CK::UpDown, .control = "UpDownGas1",
     .min = 0, .max = 100, .step = 1, .thousands = true, .keyword = "N2O", .position = 1, .form = FF::Unsigned},
    {.name = "gas2", .byte = fld::gas2, .count = 1, .kind = CK::UpDown, .control = "UpDownGas2",
     .min = 0, .max = 100, .step = 1, .thousands = true, .keyword = "N2O", .position = 2, .form = FF::Unsigned},
    {.name = "gasBuildUp", .byte = fld::gasBuildUp, .count = 1, .kind = CK::UpDown, .control = "UpDownGasT", .ctl = kX100,
     .min = 0, .max = 25500, .step = 100, .thousands = true, .keyword = "N2O", .position = 4, .file = kX100, .form = FF::Unsigned},
    {.name = "gasDelay", .byte = fld::gasDelay, .count = 1, .kind = CK::UpDown, .control = "UpDownGasD", .ctl = kX100,
     .min = 0, .max = 25500, .step = 100, .thousands = true, .keyword = "N2O", .position = 3, .file = kX100, .form = FF::Unsigned},
    {.name = "retard1", .byte = fld::retard1, .count = 1, .kind = CK::UpDown, .control = "UpDownRetard1",
     .min = 0, .max = 25, .step = 1, .thousands = true, .keyword = "RETARD", .position = 0, .form = FF::Unsigned},
    {.name = "retard2", .byte = fld::retard2, .count = 1, .kind = CK::UpDown, .control = "UpDownRetard2",
     .min = 0, .max = 25, .step = 1, .thousands = true, .keyword = "RETARD", .position = 1, .form = FF::Unsigned},
    {.name = "retardBuildUp", .byte = fld::retardBuildUp, .count = 1, .kind = CK::UpDown, .control = "UpDownRetardT", .ctl = kX100,
     .min = 0, .max = 25500, .step = 100, .thousands = true, .keyword = "RETARD", .position = 3, .file = kX100, .form = FF::Unsigned},
    {.name = "retardDelay", .byte = fld::retardDelay, .count = 1, .kind = CK::UpDown, .control = "UpDownRetardD", .ctl = kX100,
     .min = 0, .max = 25500, .step = 100, .thousands = true, .keyword = "RETARD", .position = 2, .file = kX100, .form = FF::Unsigned},
    {.name = "servoRpm", .byte = fld::servoRpm, .count = 10, .kind = CK::UpDown, .control = "UpDownRpmPriv%d", .controlBase = 1, .ctl = kX100,
     .min = 300, .max = 20100, .step = 100, .minFirst = 200, .firstCount = 2, .thousands = true,
     .keyword = "SERVO_RPM", .position = 0, .positionStride = 1, .file = kX100, .form = FF::Unsigned},
    {.name = "servoMv", .byte = fld::servoMv, .count = 10, .kind = CK::UpDown, .control = "UpDownNapPriv%d", .controlBase = 1, .ctl = kX20,
     .min = 20, .max = 5000, .step = 20, .thousands = true,
     .keyword = "SERVO_MV", .position = 0, .positionStride = 1, .file = kX20, .form = FF::Unsigned},
    {.name = "mapRpm", .byte = fld::mapRpm, .count = 10, .kind = CK::UpDown, .control = "UpDownRpmAdv%d", .controlBase = 1, .ctl = kX100,
     .min = 300, .max = 20100, .step = 100, .minFirst = 199, .firstCount = 1, .thousands = true,
     .keyword = "RPM_ADV", .position = 0, .positionStride = 1, .file = kX100, .form = FF::Unsigned},
    {.name = "advance", .byte = fld::advance, .count = 100, .kind = CK::UpDown, .control = "UpDown%d", .controlBase = 50,
     .min = 0, .max = 60, .step = 1, .thousands = false,
     .keyword = "ADVANCE", .position = 0, .positionStride = 1, .form = FF::Unsigned},
    // Spare bytes after the image: no control, not in the file.
    {.name = "spare", .byte = kImageSize, .count = kSpareSize, .kind = CK::None},
};
// clang-format on

}  // namespace

int FieldDescriptor::controlValue(const ParamImage& image, int element) const
{
    const std::uint8_t value = image[imageByte(element)];
    switch (kind) {
        case CK::UpDown:
            return ctl.toUser(value);
        case CK::CheckBox:
            return value != 0 ? 1 : 0;
        case CK::ClosingBit:
            return (value >> bit) & 1;
        case CK::BikeList:
            return bikeListPosition(value).value_or(-1);
        case CK::SyncList:
            return value < listRows ? value : -1;
        case CK::MultipleList:
            return ignitionMultiplePosition(value);
        case CK::None:
            break;
    }
    return value;
}

void FieldDescriptor::setControlValue(ParamImage& image, int element, long long value) const
{
    std::uint8_t& target = image[imageByte(element)];
    switch (kind) {
        case CK::UpDown:
            target = ctl.toByte(value);
            break;
        case CK::CheckBox:
            target = value != 0 ? 1 : 0;
            break;
        case CK::ClosingBit:
            target = static_cast<std::uint8_t>((value != 0 ? target | (1u << bit) : target & ~(1u << bit)) & bitsInUse);
            break;
        case CK::BikeList:
            if (value >= 0 && value < 32)
                if (const auto code = bikeCodeAtListPosition(static_cast<int>(value)))
                    target = *code;
            break;
        case CK::SyncList:
            target = static_cast<std::uint8_t>(value & 0xFF);
            break;
        case CK::MultipleList:
            target = ignitionMultipleByte(static_cast<int>(value % 4));
            break;
        case CK::None:
            break;
    }
}

void FieldDescriptor::readControl(ParamImage& image, int element, long long value, bool testMode) const
{
    if (testModeOnly && !testMode) {
        if (kind != CK::None)
            image[imageByte(element)] = fixedValue;
        return;
    }
    setControlValue(image, element, value);
}

std::string FieldDescriptor::controlName(int element) const
{
    if (control == nullptr)
        return {};
    if (std::strstr(control, "%d") == nullptr)
        return control;
    char buf[64];
    std::snprintf(buf, sizeof buf, control, controlBase + element);
    return buf;
}

std::string FieldDescriptor::editName(int element) const
{
    std::string name = controlName(element);
    if (name.rfind("UpDown", 0) == 0)
        return "Edit" + name.substr(6);
    return {};
}

std::span<const FieldDescriptor> fieldTable()
{
    return kFields;
}

const FieldDescriptor* findField(const char* name)
{
    for (const FieldDescriptor& d : fieldTable())
        if (std::strcmp(d.name, name) == 0)
            return &d;
    return nullptr;
}

}  // namespace tarvel
