#include "ControlBinding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QWidget>

#include "UpDown.h"

namespace tarvel {

int ControlBinding::valueOf(const FieldWidget& entry)
{
    if (entry.upDown)
        return entry.upDown->value();
    if (entry.box)
        return entry.box->isChecked() ? 1 : 0;
    return entry.list->currentIndex();
}

void ControlBinding::read(ParamImage& image, bool testMode) const
{
    // A field whose tab page is not filled yet keeps its value: nobody can
    // have changed a control that is not there.
    for (const FieldWidget& entry : entries_)
        if (entry.widget())
            entry.bound.field->readControl(image, entry.bound.element, valueOf(entry), testMode);
}

void ControlBinding::show(const ParamImage& image) const
{
    for (const FieldWidget& entry : entries_) {
        if (!entry.widget())
            continue;
        const FieldDescriptor& field = *entry.bound.field;
        const int value = field.controlValue(image, entry.bound.element);
        if (entry.upDown)
            entry.upDown->setValue(value);
        else if (entry.box)
            entry.box->setChecked(value != 0);
        else if (value >= 0 || !field.noRowKeepsSelection)
            entry.list->setCurrentIndex(value);
    }
}

}  // namespace tarvel
