// Which image field element each named control edits, from the field table.
#pragma once

#include <QString>

#include <optional>

#include "model/FieldTable.h"

namespace tarvel {

struct FieldControl {
    const FieldDescriptor* field = nullptr;
    int element = 0;
};

// The field element of the control named `name` (an up-down, check box or
// list), or nothing.
std::optional<FieldControl> fieldForControl(const QString& name);

}  // namespace tarvel
