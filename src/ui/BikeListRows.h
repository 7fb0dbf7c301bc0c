// The rows of the bike list (ComboBoxBike) as data: the designed names, which
// stay the same in every language, and the rows the caption table words anew
// in each language. The window fills the list from here, and whatever names
// the bike of an image (the tune history) takes the row from here, not from
// the list's shown text.
#pragma once

#include <string>

#include <QStringList>

#include "model/Messages.h"
#include "model/ParamImage.h"

namespace tarvel::ui {

class BikeListRows {
public:
    // The rows as designed (English), in list order.
    static QStringList designedRows();
    // Row `position` as the list shows it in `language`; empty for no row.
    static QString rowText(int position, Language language);
    // The name of the image's bike as the list shows it in `language`, without
    // the spaces around it; empty when the bike code has no row.
    static std::string bikeName(const ParamImage& image, Language language);
};

}  // namespace tarvel::ui
