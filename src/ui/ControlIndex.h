// The named objects below a window, looked up by name in constant time. The
// window holds over a thousand objects; a search of all of them for each of
// the several hundred controls the program keeps was a large part of its
// start-up.
#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

#include "RequiredControl.h"

namespace tarvel {

class ControlIndex {
public:
    // Indexes every object below `root` as it is now.
    explicit ControlIndex(const QObject* root);

    // The object named `name` that is a T, the same one root->findChild<T*>()
    // finds, or null.
    template <typename T>
    T* find(const QString& name) const
    {
        return shared_.contains(name) ? root_->findChild<T*>(name) : qobject_cast<T*>(byName_.value(name));
    }

    // The same, for a control the window cannot do without: a missing one
    // stops the start, as requiredControl() does.
    template <typename T>
    T* required(const QString& name) const
    {
        T* control = find<T>(name);
        if (!control)
            missingControl(name, T::staticMetaObject.className());
        return control;
    }

    // Every object below the root that is a T, in root->findChildren<T*>() order.
    template <typename T>
    QList<T*> all() const
    {
        QList<T*> found;
        for (QObject* object : objects_)
            if (T* control = qobject_cast<T*>(object))
                found.push_back(control);
        return found;
    }

private:
    const QObject* root_;
    QList<QObject*> objects_;
    QHash<QString, QObject*> byName_;
    // Names that more than one object bears: these are looked up by search,
    // so that the type decides as it does for findChild().
    QSet<QString> shared_;
};

}  // namespace tarvel
