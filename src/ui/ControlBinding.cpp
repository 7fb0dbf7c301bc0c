#include "ControlBinding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QWidget>

#include "RequiredControl.h"
#include "UpDown.h"
#include "model/DefaultSet.h"

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

void ControlBinding::read(ParamImage& image, bool testMode) const
{
    std::uint8_t closing = 0;  // bits 6 and 7 always end up clear
    for (const Entry& entry : entries_) {
        const FieldDescriptor& field = *entry.bound.field;
        const int byte = field.imageByte(entry.bound.element);
        switch (field.kind) {
            case ControlKind::UpDown:
                if (byte >= fld::compensation && byte < fld::compensation + 4 && !testMode)
                    break;
                image[byte] = field.ctl.toByte(entry.upDown->value());
                break;
            case ControlKind::CheckBox:
                image[byte] = entry.box->isChecked() ? 1 : 0;
                break;
            case ControlKind::ClosingBit:
                if (entry.box->isChecked())
                    closing = static_cast<std::uint8_t>(closing | (1u << field.bit));
                break;
            case ControlKind::BikeList:
                if (auto code = bikeCodeAtListPosition(entry.list->currentIndex()))
                    image[byte] = *code;
                break;
            case ControlKind::SyncList: {
                const int row = entry.list->currentIndex();
                image[byte] = row < 0 ? 255 : static_cast<std::uint8_t>(row);
                break;
            }
            case ControlKind::MultipleList:
                image[byte] = ignitionMultipleByte(entry.list->currentIndex());
                break;
            case ControlKind::None:
                break;
        }
    }
    image[fld::closingActive] = closing;
    if (!testMode)
        SetDefaultCompensation(image);
}

void ControlBinding::show(const ParamImage& image) const
{
    for (const Entry& entry : entries_) {
        const FieldDescriptor& field = *entry.bound.field;
        const std::uint8_t byte = image[field.imageByte(entry.bound.element)];
        switch (field.kind) {
            case ControlKind::UpDown:
                entry.upDown->setValue(field.ctl.toUser(byte));
                break;
            case ControlKind::CheckBox:
                entry.box->setChecked(byte != 0);
                break;
            case ControlKind::ClosingBit:
                entry.box->setChecked((byte >> field.bit) & 1u);
                break;
            case ControlKind::BikeList:
                if (auto row = bikeListPosition(byte))
                    entry.list->setCurrentIndex(*row);
                break;
            case ControlKind::SyncList:
                entry.list->setCurrentIndex(byte <= 8 ? byte : -1);
                break;
            case ControlKind::MultipleList:
                entry.list->setCurrentIndex(ignitionMultiplePosition(byte));
                break;
            case ControlKind::None:
                break;
        }
    }
}

}  // namespace tarvel
