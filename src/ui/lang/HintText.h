// Hints of controls and menu items. A hint is "short part|long part", or one
// text serving as both. The whole text is kept in the dynamic property "hint",
// which the window's hint handler reads to fill the status bar with the long
// part; controls that show their hints (property "showHint" true) also get the
// short part as tooltip.
#pragma once

#include <QString>

class QObject;

namespace tarvel::ui {

inline constexpr char kHintProperty[] = "hint";          // the whole hint text
inline constexpr char kShowHintProperty[] = "showHint";  // bool: show the short part as tooltip

QString HintShortPart(const QString& hint);
QString HintLongPart(const QString& hint);

// Sets the hint of a widget, a QAction or a QMenu (whose menu item carries it too).
void SetHint(QObject& target, const QString& hint);

}  // namespace tarvel::ui
