// Two parameter images compared field by field through the field table, after
// both have been normalised as the window normalises every image it holds.
// One row per differing field element (a closingActive bit, a map cell, a
// curve point); the rows carry what a report needs (descriptor, element, row
// and column, both values in user units) and a choice that turns the report
// into one resulting image.
//
//   ImageDiff diff(windowImage, unitImage);   // A = the window, B = the other
//   for (const ImageDiff::Row& row : diff.rows()) ...
//   diff.takeAll();  or  diff.setTake(i, true);
//   commit(diff.result());                    // one change, normalised
#pragma once

#include <string>
#include <vector>

#include "FieldTable.h"
#include "ParamImage.h"

namespace tarvel {

class ImageDiff {
public:
    struct Row {
        const FieldDescriptor* field = nullptr;
        int element = 0;
        // Advance map: throttle row and speed column (0..9). Other arrays
        // (curves, per-channel values): row -1, column = element. Single
        // fields: both -1.
        int row = -1;
        int column = -1;
        // The values in user units: an up-down's number (byte x scale +
        // offset), 0/1 for closingActive bits, the byte for check boxes
        // (normally 0 or 1), lists and fields without a control.
        int valueA = 0;
        int valueB = 0;
        // The bits of the field's byte this row covers (0xFF for a whole
        // byte; one bit for closingActive; the bits no field names for an
        // "otherBits" row).
        std::uint8_t mask = 0xFF;
        bool otherBits = false;  // bits of a byte that no field names
        bool take = false;       // the choice: keep A's value (false) or take B's

        // Object name of the row's control ("UpDown57", "CheckBoxAktClutch"),
        // empty for reserved bytes: the key to the caption and tab tables.
        std::string controlName() const;
        // The .ign keyword of the field, or nullptr when the file does not store it.
        const char* keyword() const { return field->keyword; }
        // A short name for text output: the keyword where the field alone
        // fills its keyword block (ADVANCE[3,6], SERVO_RPM[4], BASE_ADV), else
        // the field name (limiter, maxAdvLobe[2], closingActive.bit3);
        // indices count from 1 as the controls do.
        std::string label() const;
    };

    // Compares normalised copies of `a` and `b`; the spare bytes after the
    // image are not part of the comparison.
    ImageDiff(const ParamImage& a, const ParamImage& b);

    bool equal() const { return rows_.empty(); }
    int count() const { return static_cast<int>(rows_.size()); }
    const std::vector<Row>& rows() const { return rows_; }

    void setTake(int index, bool take);
    void takeAll();
    void keepAll();
    // Rows whose choice is "take".
    int takenCount() const;

    // Image A (normalised, with A's spare bytes) with every taken row copied
    // from B, normalised again: the one change the window commits.
    ParamImage result() const;

    const ParamImage& imageA() const { return a_; }
    const ParamImage& imageB() const { return b_; }

    // "3 fields differ" / "1 field differs" / "no fields differ".
    std::string summary() const;

private:
    ParamImage a_;
    ParamImage b_;
    std::vector<Row> rows_;
};

// How many fields differ between two images (the count of an ImageDiff,
// without building its rows).
int CountDifferences(const ParamImage& a, const ParamImage& b);

}  // namespace tarvel
