#include "ControlBinding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QWidget>

#include "RequiredControl.h"
#include "UpDown.h"

namespace tarvel {

void ControlBinding::attach(QWidget* root)
{
    entries_.clear();
    for (const FieldDescriptor& field : fieldTable()) {
        if (field.kind == ControlKind::None)
            continue;
        for (int element = 0; element < field.count; ++element) {
            const QString name = QString::fromStdString(field.controlName(element));
            Entry entry{FieldControl{&field, element}};
            switch (field.kind) {
                case ControlKind::UpDown:
                    entry.upDown = requiredControl<UpDown>(root, name);
                    break;
                case ControlKind::CheckBox:
                case ControlKind::ClosingBit:
                    entry.box = requiredControl<QCheckBox>(root, name);
                    break;
                default:
                    entry.list = requiredControl<QComboBox>(root, name);
                    break;
            }
            entries_.push_back(entry);
        }
    }
}

int ControlBinding::valueOf(const Entry& entry)
{
    if (entry.upDown)
        return entry.upDown->value();
    if (entry.box)
        return entry.box->isChecked() ? 1 : 0;
    return entry.list->currentIndex();
}

void ControlBinding::read(ParamImage& image, bool testMode) const
{
    for (const Entry& entry : entries_)
        entry.bound.field->readControl(image, entry.bound.element, valueOf(entry), testMode);
}

void ControlBinding::show(const ParamImage& image) const
{
    for (const Entry& entry : entries_) {
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
