// The controls whose look the presentation layer decides, named as the
// window names them (the enumerators are the controls' object names).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tarvel::present {

// clang-format off
// Labels: text, background, visibility, greyed.
#define TARVEL_PRESENT_LABELS(X) \
    X(LabelRpm) X(LabelTpsMon) X(LabelNapeti) X(LabelPriveraMer) X(LabelPriveraPoz) X(LabelMonLambda) \
    X(LabelPocetProgramovani) \
    X(LabelTest1) X(LabelTest2) X(LabelTest3) X(LabelTest4) X(LabelTest5) X(LabelTest6) X(LabelTest7) X(LabelTest8) \
    X(LabelMonStartLimiterRpm) X(LabelMonN2oProcent) X(LabelMonRetard) \
    X(LabelMonStartLimiterIn) X(LabelMonTachoLambdaIn) X(LabelClutchIn) X(LabelBlok1In) X(LabelBlok2In) X(LabelN2oIn) \
    X(LabelMonLimiterOut) X(LabelMonPilotLight) X(LabelMonStartLimiterOut) X(LabelMonTachoLambdaOut) \
    X(LabelMonClutchOut) X(LabelMonBlok1Out) X(LabelMonBlok2Out) X(LabelMonN2oOut) \
    X(LabelMonSnimac1) X(LabelMonSnimac2) \
    X(LabelAdvance1) X(LabelAdvance2) X(LabelAdvance3) X(LabelAdvance4) \
    X(LabelVersion) X(LabelEeDataErr) \
    X(LabelHlaseni) X(LabelSpojeni)
// Gauges: maximum, progress, visibility.
#define TARVEL_PRESENT_GAUGES(X) X(CGaugeRpm) X(CGaugeTps) X(CGaugePotak) X(CGaugeLambda) X(CGaugeProgram)
// clang-format on

#define TARVEL_ENUMERATOR(name) name,
enum class ControlId : std::uint8_t { TARVEL_PRESENT_LABELS(TARVEL_ENUMERATOR) TARVEL_PRESENT_GAUGES(TARVEL_ENUMERATOR) Count };
#undef TARVEL_ENUMERATOR

inline constexpr int kControlCount = static_cast<int>(ControlId::Count);
inline constexpr int kFirstGauge = static_cast<int>(ControlId::CGaugeRpm);

inline constexpr bool isGauge(ControlId id) { return static_cast<int>(id) >= kFirstGauge; }
inline constexpr std::size_t indexOf(ControlId id) { return static_cast<std::size_t>(id); }

// The object name ("LabelRpm"), and back.
std::string_view objectName(ControlId id);
std::optional<ControlId> controlByName(std::string_view name);

}  // namespace tarvel::present
