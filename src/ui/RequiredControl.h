// A control the window cannot work without. Looking it up by its object name
// happens once, while the window is built; a control that is missing or of
// another type stops the program at start with a message naming it, in every
// build type (a misspelt name must not silently drop a control).
#pragma once

#include <QObject>
#include <QString>

namespace tarvel {

[[noreturn]] void missingControl(const QString& name, const char* type);

template <typename T>
T* requiredControl(const QObject* root, const QString& name)
{
    T* control = root->findChild<T*>(name);
    if (!control)
        missingControl(name, T::staticMetaObject.className());
    return control;
}

}  // namespace tarvel
