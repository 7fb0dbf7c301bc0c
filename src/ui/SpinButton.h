// Two stacked arrows bound to no value: the upper arrow reports upClick(), the
// lower one downClick(), once per press and repeated while held.
#pragma once

#include "ArrowPair.h"

namespace tarvel {

class SpinButton : public ArrowPair {
    Q_OBJECT
public:
    explicit SpinButton(QWidget* parent = nullptr);

signals:
    void upClick();
    void downClick();
};

}  // namespace tarvel
