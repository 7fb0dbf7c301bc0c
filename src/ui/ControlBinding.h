// Moves values between the image and the controls that show it. The
// conversion is the field table's (controlValue / readControl); the binding
// only reads and sets the controls: up-downs in user units, check boxes, the
// closing bits, and the three lists by row.
#pragma once

#include <vector>

#include "WindowControls.h"
#include "model/ParamImage.h"

namespace tarvel {

class ControlBinding {
public:
    // The control of every field element, as the builder resolved them; an
    // element without one (its tab page is still empty) is left alone.
    void attach(const std::vector<FieldWidget>& fields) { entries_ = fields; }

    // Controls to image. Outside test mode the four compensation bytes are set
    // to 11 instead of being read.
    void read(ParamImage& image, bool testMode) const;
    // Image to controls; values outside a control's range show at its nearest end.
    void show(const ParamImage& image) const;

    // Number of bound field elements (every field element with a control).
    std::size_t size() const { return entries_.size(); }

private:
    static int valueOf(const FieldWidget& entry);

    std::vector<FieldWidget> entries_;
};

}  // namespace tarvel
