// What the live column of the window shows: the text, background colour and
// (for the few the monitor controls) visibility of each live label, and the
// maximum and progress of the four live gauges. The enumerators carry the
// controls' objectNames. Each label and gauge has its own revision, bumped
// only when what it shows changed, and the display one overall revision, so
// the window touches only what changed since it last looked.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "link/LinkColour.h"

namespace tarvel::link {

// clang-format off
#define TARVEL_LIVE_LABELS(X) \
    X(LabelRpm) X(LabelTpsMon) X(LabelNapeti) X(LabelPriveraMer) X(LabelPriveraPoz) X(LabelMonLambda) \
    X(LabelPocetProgramovani) \
    X(LabelTest1) X(LabelTest2) X(LabelTest3) X(LabelTest4) X(LabelTest5) X(LabelTest6) X(LabelTest7) X(LabelTest8) \
    X(LabelMonStartLimiterRpm) X(LabelMonN2oProcent) X(LabelMonRetard) \
    X(LabelMonStartLimiterIn) X(LabelMonTachoLambdaIn) X(LabelClutchIn) X(LabelBlok1In) X(LabelBlok2In) X(LabelN2oIn) \
    X(LabelMonLimiterOut) X(LabelMonPilotLight) X(LabelMonStartLimiterOut) X(LabelMonTachoLambdaOut) \
    X(LabelMonClutchOut) X(LabelMonBlok1Out) X(LabelMonBlok2Out) X(LabelMonN2oOut) \
    X(LabelMonSnimac1) X(LabelMonSnimac2) \
    X(LabelAdvance1) X(LabelAdvance2) X(LabelAdvance3) X(LabelAdvance4) \
    X(LabelVersion) X(LabelEeDataErr)
#define TARVEL_LIVE_GAUGES(X) X(CGaugeRpm) X(CGaugeTps) X(CGaugePotak) X(CGaugeLambda)
// clang-format on

#define TARVEL_ENUMERATOR(name) name,
enum class LiveLabel : std::uint8_t { TARVEL_LIVE_LABELS(TARVEL_ENUMERATOR) Count };
enum class LiveGauge : std::uint8_t { TARVEL_LIVE_GAUGES(TARVEL_ENUMERATOR) Count };
#undef TARVEL_ENUMERATOR

inline constexpr int kLiveLabelCount = static_cast<int>(LiveLabel::Count);
inline constexpr int kLiveGaugeCount = static_cast<int>(LiveGauge::Count);

// The objectName of a label or gauge ("LabelRpm", "CGaugeLambda").
std::string_view objectName(LiveLabel label);
std::string_view objectName(LiveGauge gauge);

// Keep: the monitor does not rule this label's visibility (the window's rules do).
enum class Visibility : std::uint8_t { Keep, Shown, Hidden };

struct LabelState {
    std::string text;  // empty and revision 0 until first written: keep the design-time text
    LinkColour colour = LinkColour::Default;
    Visibility visibility = Visibility::Keep;
    std::uint32_t revision = 0;
};

struct GaugeState {
    int maximum = 100;
    int progress = 0;
    std::uint32_t revision = 0;
};

class LiveDisplay {
public:
    LiveDisplay();

    const LabelState& label(LiveLabel l) const { return labels_[static_cast<std::size_t>(l)]; }
    const GaugeState& gauge(LiveGauge g) const { return gauges_[static_cast<std::size_t>(g)]; }
    std::uint32_t revision() const { return revision_; }

    void setText(LiveLabel l, std::string_view text);
    void setColour(LiveLabel l, LinkColour colour);
    void setLabel(LiveLabel l, std::string_view text, LinkColour colour);
    void setVisible(LiveLabel l, bool visible);
    // The progress stays within 0..maximum.
    void setProgress(LiveGauge g, int progress);

private:
    LabelState& mut(LiveLabel l) { return labels_[static_cast<std::size_t>(l)]; }
    void bump(LabelState& s);

    std::array<LabelState, kLiveLabelCount> labels_{};
    std::array<GaugeState, kLiveGaugeCount> gauges_{};
    std::uint32_t revision_ = 0;
};

}  // namespace tarvel::link
