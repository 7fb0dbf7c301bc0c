// Finds, in the window's widget tree, the tab a field's control is on and the
// label next to it, as shown now (in the current language): the text of a
// check box, the label named after the control, or the column and row labels
// of a channel group, prefixed with the title of the group around it.
#pragma once

#include "present/ComparePresenter.h"

class QWidget;

namespace tarvel::ui {

class FieldPlaces : public present::FieldLookup {
public:
    explicit FieldPlaces(const QWidget& window) : window_(window) {}

    present::FieldPlace place(const ImageDiff::Row& row) const override;
    std::optional<std::string> valueText(const ImageDiff::Row& row, int value) const override;

private:
    const QWidget& window_;
};

}  // namespace tarvel::ui
