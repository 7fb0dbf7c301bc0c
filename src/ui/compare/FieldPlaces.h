// Tells the tab a field's control is on and the label next to it, as shown
// now (in the current language): the text of a check box, the label named
// after the control, or the column and row labels of a channel group,
// prefixed with the title of the group around it. The labels are found once,
// when the window is built; a comparison reads their texts.
#pragma once

#include <map>
#include <utility>
#include <vector>

#include <QPointer>
#include <QString>

#include "WindowControls.h"
#include "present/ComparePresenter.h"

class QLabel;
class QWidget;

namespace tarvel {
class ControlIndex;
}

namespace tarvel::ui {

class FieldPlaces : public present::FieldLookup {
public:
    // `window` finds the labels; `fields` are the controls the builder resolved.
    FieldPlaces(const ControlIndex& window, const std::vector<FieldWidget>& fields);

    present::FieldPlace place(const ImageDiff::Row& row) const override;
    std::optional<std::string> valueText(const ImageDiff::Row& row, int value) const override;

private:
    // The caption of a control: its label's text, then ", " and a column
    // label's text (channel boxes), or a space and a number (compensations).
    struct Entry {
        FieldWidget control;
        QPointer<QLabel> label;
        QPointer<QLabel> column;
        QString number;
    };
    const Entry* entry(const ImageDiff::Row& row) const;
    static QString captionOf(const Entry& entry);

    std::map<std::pair<const FieldDescriptor*, int>, Entry> entries_;
};

}  // namespace tarvel::ui
