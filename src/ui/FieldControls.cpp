#include "FieldControls.h"

#include <QHash>

namespace tarvel {

std::optional<FieldControl> fieldForControl(const QString& name)
{
    static const QHash<QString, FieldControl> byName = [] {
        QHash<QString, FieldControl> map;
        for (const FieldDescriptor& field : fieldTable()) {
            if (field.kind == ControlKind::None)
                continue;
            for (int element = 0; element < field.count; ++element)
                map.insert(QString::fromStdString(field.controlName(element)), FieldControl{&field, element});
        }
        return map;
    }();
    auto it = byName.constFind(name);
    if (it == byName.constEnd())
        return std::nullopt;
    return *it;
}

}  // namespace tarvel
