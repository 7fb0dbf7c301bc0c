#include "SpinButton.h"

namespace tarvel {

SpinButton::SpinButton(QWidget* parent) : ArrowPair(parent)
{
    connect(this, &ArrowPair::stepped, this, [this](int direction) {
        if (direction > 0)
            emit upClick();
        else
            emit downClick();
    });
}

}  // namespace tarvel
