#include "present/EnablingRules.h"

#include "model/FieldTable.h"

namespace tarvel::present {

int shownMethod(const ParamImage& image)
{
    static const FieldDescriptor* const sync = findField("syncMode");
    return sync->controlValue(image, 0);
}

bool applyImageRules(ParamImage& image)
{
    if (shownMethod(image) != kMethod48Minus2)
        return false;
    const ParamImage before = image;
    const std::uint8_t edge = image[fld::maxAdvEdge2];
    for (int c = 0; c < 4; ++c) {
        image[fld::maxAdvEdge2 + c] = edge;
        image[fld::startAdvEdge2 + c] = edge;
    }
    return !(image == before);
}

RuleState decideRules(const ParamImage& image, const RuleInputs& in)
{
    const bool printing = in.printing;
    const bool throttleMap = image[fld::tpsMap] != 0;
    const bool manual = bikeListPosition(image[fld::bikeCode]) == kManualKeyingRow;
    const int m = shownMethod(image);
    const int channels = image[fld::channelCount];
    const bool manualCode = image[fld::bikeCode] == kSpecialBikeCode;

    RuleState s;
    s.windowWhite = printing;
    s.noReadingRed = image[fld::noReading] != 0;
    s.autoProgramRed = in.autoProgram;
    s.editingAidsShown = !printing;

    s.tpsRowsShown = throttleMap;
    s.tpsUpDownsShown = throttleMap && !printing;
    s.tpsLabelEnabled = throttleMap;
    s.fullThrottleRowOnTop = !throttleMap;

    s.servoShown = image[fld::servoEnable] != 0;

    s.manualEnabled = manual;
    s.lobeEditsEnabled = manual && m != 0;
    for (int c = 0; c < 4; ++c)
        s.maxEdge2Enabled[static_cast<std::size_t>(c)] = manual && (m != kMethod48Minus2 || c == 0);
    s.otherEdgeBoxesEnabled = manual && m != kMethod48Minus2;

    s.methods046Shown = m == 0 || m == 4 || m == 6;
    s.pickup2BoxesShown = m == 0 || m == 4;
    s.lobeCountUpDownShown = manual && m != 0 && m != kMethodHarley;
    s.channelCountUpDownShown = manual && m != kMethodHarley;
    s.lobeUpDownsShown = manual && m != 0;

    for (int c = 0; c < 4; ++c) {
        s.channelGroupShown[static_cast<std::size_t>(c)] = m != kMethodHarley && (c == 0 || channels >= c + 1);
        s.advanceLabelShown[static_cast<std::size_t>(c)] = c == 0 || (manualCode && channels >= c + 1);
    }

    s.n2oShown = image[fld::n2oEnable] != 0;
    s.testShown = in.testMode;
    return s;
}

}  // namespace tarvel::present
