// Moves values between the image and the controls that show it. The
// conversion is the field table's (controlValue / readControl); the binding
// only reads and sets the controls: up-downs in user units, check boxes, the
// closing bits, and the three lists by row.
#pragma once

#include <vector>

#include "FieldControls.h"
#include "model/ParamImage.h"

class QCheckBox;
class QComboBox;
class QWidget;

namespace tarvel {

class UpDown;

class ControlBinding {
public:
    // Finds the control of every field element below `root` by its name.
    void attach(QWidget* root);

    // Controls to image. Outside test mode the four compensation bytes are set
    // to 11 instead of being read.
    void read(ParamImage& image, bool testMode) const;
    // Image to controls; values outside a control's range show at its nearest end.
    void show(const ParamImage& image) const;

    // Number of bound field elements (every field element with a control).
    std::size_t size() const { return entries_.size(); }

private:
    struct Entry {
        FieldControl bound;
        UpDown* upDown = nullptr;
        QCheckBox* box = nullptr;
        QComboBox* list = nullptr;
    };
    static int valueOf(const Entry& entry);

    std::vector<Entry> entries_;
};

}  // namespace tarvel
