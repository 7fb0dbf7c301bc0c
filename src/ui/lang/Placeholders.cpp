#include "Placeholders.h"

#include <QLabel>

namespace tarvel::ui {

namespace {

constexpr PlaceholderRow kCaptionRows[] = {
    {"LabelMonPilotLight", Msg::GearShiftLight, " - ---"},    {"LabelMonClutchOut", Msg::ClutchMaster, " - ---"},
    {"LabelMonStartLimiterRpm", Msg::StartLimiter, " - ---"}, {"LabelMonStartLimiterOut", Msg::StartLimiter, " - ---"},
    {"LabelMonLimiterOut", Msg::Limiter, " - ---"},
};

constexpr PlaceholderRow kMessageRows[] = {
    {"LabelAdvance1", Msg::Advance, " 1 = --- [°]"},
    {"LabelAdvance2", Msg::Advance, " 2 = --- [°]"},
    {"LabelAdvance3", Msg::Advance, " 3 = --- [°]"},
    {"LabelAdvance4", Msg::Advance, " 4 = --- [°]"},
    {"LabelPocetProgramovani", Msg::NumberOfProgramming, "---"},
    {"LabelMonSnimac1", Msg::PickUp, " 1 = ---"},
    {"LabelMonSnimac2", Msg::PickUp, " 2 = ---"},
    {"LabelPriveraPoz", Msg::ServoDesired, " ---"},
    {"LabelPriveraMer", Msg::ServoMeasured, " ---"},
};

}  // namespace

std::span<const PlaceholderRow> captionPlaceholders()
{
    return kCaptionRows;
}

std::span<const PlaceholderRow> messagePlaceholders()
{
    return kMessageRows;
}

void SetPlaceholders(QObject& root, std::span<const PlaceholderRow> rows, const MessageTable& messages)
{
    for (const PlaceholderRow& row : rows) {
        auto* label = root.findChild<QLabel*>(QString::fromUtf8(row.target.data(), qsizetype(row.target.size())));
        if (label)
            label->setText(QString::fromStdString(messages[row.message] + std::string(row.suffix)));
    }
}

}  // namespace tarvel::ui
