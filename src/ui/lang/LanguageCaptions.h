// Apply captions and Load messages: the two routines through which the main
// window speaks the current language.
//
// At start-up the window calls LoadMessages before it first shows the image
// and ApplyCaptions later; a language chosen from the menu calls
// ApplyCaptions (which ends with LoadMessages) and then shows the image again,
// which reselects the combo-box rows whose texts were rewritten.
#pragma once

#include <QString>

#include "model/Messages.h"

class QWidget;
class QObject;

namespace tarvel::ui {

// Checks the menu item of `language` only, switches Qt's own dialog texts to
// `language`, composes the window title from
// `currentFile`, writes the caption table, sets the five " - ---" placeholders
// while no unit is connected, then loads the messages.
void ApplyCaptions(QWidget& window, Language language, MessageTable& messages, const QString& currentFile);

// Fills the message table and, while no unit is connected, the live placeholders.
void LoadMessages(QObject& window, Language language, MessageTable& messages);

// "No unit connected": the connection label LabelSpojeni is not hidden. This
// is the label's own visibility flag, so it holds before the window is shown.
bool ConnectionLabelShown(const QObject& window);

// Two spaces and the product title, seven spaces, the path of the current
// file; `suffix` follows (the note while a firmware loader holds the port).
QString ComposeWindowTitle(const QString& currentFile, const QString& suffix = {});

}  // namespace tarvel::ui
