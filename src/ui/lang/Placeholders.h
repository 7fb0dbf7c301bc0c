// Texts the live labels show while no unit is connected: the current text of
// a message followed by a fixed suffix ("Advance" + " 1 = --- [°]").
#pragma once

#include <span>
#include <string_view>

#include "model/Messages.h"

class QObject;

namespace tarvel::ui {

struct PlaceholderRow {
    std::string_view target;  // objectName of the live label
    Msg message;
    std::string_view suffix;
};

// Set by Apply captions, from messages that Apply captions fills itself.
std::span<const PlaceholderRow> captionPlaceholders();
// Set by Load messages.
std::span<const PlaceholderRow> messagePlaceholders();

// Writes each row's text into its label below `root`.
void SetPlaceholders(QObject& root, std::span<const PlaceholderRow> rows, const MessageTable& messages);

}  // namespace tarvel::ui
