// The program's pictures: its icon, the about-box picture and the glyphs of
// the six tool buttons, each glyph with a greyed look for the disabled state.
#pragma once

#include <QIcon>
#include <QPixmap>

class QObject;

namespace tarvel::ui {

enum class ToolGlyph { New, Open, Save, Print, Undo, Redo };

QIcon ProgramIcon();
QPixmap AboutPicture();
QIcon ToolGlyphIcon(ToolGlyph glyph);

// Puts the glyphs on the tool buttons SpeedButton6 (New), SpeedButton5
// (Open), SpeedButton7 (Save), SpeedButtonPrint, SpeedButtonZpet (Undo) and
// SpeedButtonZnovu (Redo) found below `window`. Returns how many it found.
int ApplyToolGlyphs(QObject& window);

}  // namespace tarvel::ui
