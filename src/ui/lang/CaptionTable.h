// The caption table: every caption, menu-item caption, combo-box row and hint
// of the main window that changes with the language, in English, German,
// French and Czech (UTF-8). Targets are found by objectName. Controls that are
// not named here keep their single designed text in every language.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "model/Messages.h"

namespace tarvel::ui {

using LangTexts = std::array<std::string_view, kLanguageCount>;  // English, German, French, Czech

enum class CaptionKind : std::uint8_t {
    Caption,   // a widget's caption: label, button, check box, group box or tab page
    MenuItem,  // a menu item (QAction) or a menu (QMenu)
    ListRow,   // one row of a combo box, replacing that row's text only
    Hint       // the hint: short part "|" long part, or one text for both
};

struct CaptionRow {
    std::string_view target;  // objectName of the control or menu item
    CaptionKind kind;
    LangTexts text;
    std::string_view suffix{};  // appended in every language (" 1", " [rpm]")
    int listRow = -1;           // ListRow only

    std::string composed(Language language) const;
};

std::span<const CaptionRow> captionRows();

}  // namespace tarvel::ui
