// Apply captions and Load messages: the two routines through which the main
// window speaks the current language.
//
// At start-up the window calls LoadMessages before it first shows the image
// and ApplyCaptions later; a language chosen from the menu calls
// ApplyCaptions (which ends with LoadMessages) and then shows the image again,
// which reselects the combo-box rows whose texts were rewritten.
#pragma once

#include <QString>

#include <array>

#include "LanguageChoice.h"
#include "model/Messages.h"

class QAction;
class QWidget;
class QObject;

namespace tarvel::ui {

class CaptionWriter;

// The items of the language menu, in the order of the languages.
using LanguageItems = std::array<QAction*, kLanguageCount>;

// Checks the menu item of `language` only, switches Qt's own dialog texts to
// `language`, composes the window title from `currentFile`, writes the caption
// table through `captions` (made with the window), then loads the messages.
// (The live placeholders are the presentation layer's.)
void ApplyCaptions(QWidget& window, const CaptionWriter& captions, const LanguageItems& languageItems,
                   Language language, MessageTable& messages, const QString& currentFile);

// Fills the message table.
void LoadMessages(QObject& window, Language language, MessageTable& messages);

// Two spaces and the product title, seven spaces, the path of the current
// file; `suffix` follows (the note while a firmware loader holds the port).
QString ComposeWindowTitle(const QString& currentFile, const QString& suffix = {});

}  // namespace tarvel::ui
