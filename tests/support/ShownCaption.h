// What the user sees of a caption row's target in a window (the real one or
// the stand-in), and what the row says it should be.
#pragma once

#include <QString>

#include "model/Messages.h"
#include "ui/lang/CaptionTable.h"

class QWidget;

namespace tarvel::ui::test {

// The text of the row's target: a hint, a list row, an item's, a menu's, a
// group's, a button's or a label's text, or a page's tab text.
QString shownCaption(const QWidget& window, const CaptionRow& row);
// The row's text in `language` as its target shows it: a label without a
// buddy shows no accelerator marker.
QString expectedCaption(const QWidget& window, const CaptionRow& row, Language language);

}  // namespace tarvel::ui::test
