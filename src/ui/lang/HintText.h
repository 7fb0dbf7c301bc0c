// Hints of controls and menu items. A hint is "short part|long part", or one
// text serving as both. The short part becomes the tooltip of controls that
// show their hints (dynamic property "showHint" set to true); the long part is
// the status tip, which the main window's status bar shows while the mouse is
// over the control or the menu item is highlighted.
#pragma once

#include <QString>

class QObject;

namespace tarvel::ui {

inline constexpr char kHintProperty[] = "hint";          // the whole hint text
inline constexpr char kShowHintProperty[] = "showHint";  // bool: show the short part as tooltip

QString HintShortPart(const QString& hint);
QString HintLongPart(const QString& hint);

// Sets the hint of a widget, a QAction or a QMenu (whose menu action carries it).
void SetHint(QObject& target, const QString& hint);

}  // namespace tarvel::ui
