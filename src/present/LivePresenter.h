// The live column: what each live label and gauge shows for a live sample,
// the image and the current language; the placeholders while no unit is
// connected; the greyed look of values that are no longer fresh. The sample
// may come from the unit or from anything else that has one.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "link/LiveSample.h"
#include "model/Messages.h"
#include "model/ParamImage.h"
#include "present/DisplayState.h"

namespace tarvel::present {

// Text of a placeholder: the message's current text and a fixed suffix.
struct PlaceholderRow {
    ControlId target;
    Msg message;
    std::string_view suffix;
};

// Set when the captions are applied, from messages that applying the captions
// fills itself.
std::span<const PlaceholderRow> captionPlaceholders();
// Set when the messages are loaded.
std::span<const PlaceholderRow> messagePlaceholders();

// A designed caption of a live label ("Advance [°]"), written again with
// every language.
struct LiveCaption {
    ControlId target;
    std::string text;
};

class LivePresenter {
public:
    explicit LivePresenter(DisplayState& display) : display_(display) {}

    // A fresh sample: every live label and gauge shows it, ungreyed.
    void showSample(const link::LiveSample& sample, const ParamImage& image, const MessageTable& messages);
    // No sample any more (a replay closed before the unit sent one): every
    // live label and gauge goes back to its design and the warnings hide, as
    // before the first sample; captions and placeholders follow from their
    // own calls.
    void showNoSample();
    // The unit stopped answering: the values stay, greyed, until the next sample.
    void setStale(bool stale);
    bool stale() const { return stale_; }

    // The language was applied: the live labels with a designed caption show
    // it until the next sample.
    void showCaptions(std::span<const LiveCaption> captions);
    // The placeholder rows, written only while no unit is connected.
    void showPlaceholders(std::span<const PlaceholderRow> rows, const MessageTable& messages, bool noUnit);

    // The line `tarvel3ctl monitor` prints: the main values and the warnings.
    static std::string monitorLine(const DisplayState& display);

private:
    void value(ControlId id, std::string_view text, Colour colour);

    DisplayState& display_;
    std::array<Colour, kControlCount> valueColour_{};
    bool stale_ = false;
};

}  // namespace tarvel::present
