#include "ControlIndex.h"

namespace tarvel {

ControlIndex::ControlIndex(const QObject* root) : root_(root), objects_(root->findChildren<QObject*>())
{
    byName_.reserve(objects_.size());
    for (QObject* object : objects_) {
        const QString name = object->objectName();
        if (name.isEmpty())
            continue;
        if (byName_.contains(name))
            shared_.insert(name);
        else
            byName_.insert(name, object);
    }
}

}  // namespace tarvel
