// One descriptor per image field: where it lives, how its control shows it
// and how the .ign file stores it. The control binding and the file reader and
// writer all read this table instead of carrying their own copies of scales.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "ParamImage.h"

namespace tarvel {

enum class ControlKind : std::uint8_t {
    None,         // no control (reserved bytes)
    UpDown,       // edit box with its up-down: a number in user units
    CheckBox,     // a flag byte shown as a check box
    ClosingBit,   // one bit of closingActive shown as a check box
    BikeList,     // ComboBoxBike: list position <-> preset code
    SyncList,     // ComboBoxSynchro: list position = byte
    MultipleList  // ComboBoxNasobekPalcu: position = (byte - 1) mod 4
};

// How the writer prints a number and how the reader turns it back.
enum class FileForm : std::uint8_t {
    None,      // not stored in the file
    Unsigned,  // "%5u "
    Signed,    // "%5d "
    Flag,      // "    1" / "    0"
    N2oFlag,   // "    1 " / "    0 "
    Bit        // one bit of closingActive, written "%5u " as 0 or 1
};

// User value <-> byte: user = byte * scale + offset;
// byte = (user / scale + bias) mod 256, division truncating toward zero.
struct Scaling {
    int scale = 1;
    int bias = 0;
    int offset = 0;

    int toUser(std::uint8_t byte) const { return byte * scale + offset; }
    std::uint8_t toByte(long long user) const
    {
        // Unsigned arithmetic keeps only the low 8 bits without overflowing.
        const auto quotient = static_cast<unsigned long long>(user / scale);
        return static_cast<std::uint8_t>((quotient + static_cast<unsigned long long>(bias)) & 0xFFu);
    }
};

struct FieldDescriptor {
    const char* name = nullptr;  // field name, e.g. "limiter"
    int byte = 0;                // offset of element 0 in the 200-byte image
    int count = 0;               // number of elements (1 for a scalar)

    // Control side. `control` names the up-down, check box or list; for an
    // array it holds one "%d" filled with controlBase + element. The edit of an
    // up-down has the same name with "Edit" in place of "UpDown".
    ControlKind kind = ControlKind::None;
    const char* control = nullptr;
    int controlBase = 0;
    Scaling ctl{};
    int min = 0, max = 0, step = 1;  // control range in user units
    int minFirst = 0;                // minimum of the first `firstCount` elements
    int firstCount = 0;              // (0 when all elements share `min`)
    bool thousands = false;          // the up-down writes a thousands separator
    int bit = 0;                     // ClosingBit: the bit of closingActive
    std::uint8_t bitsInUse = 0xFF;   // ClosingBit: bits outside are cleared when a bit is set
    int listRows = 0;                // SyncList: a byte from listRows on shows no row
    bool noRowKeepsSelection = false;  // a list whose byte has no row keeps the row it shows
    bool testModeOnly = false;       // editable in test mode only; otherwise set to fixedValue
    std::uint8_t fixedValue = 0;

    // File side: keyword, position of element 0 among the keyword's numbers,
    // distance between the positions of successive elements, conversion.
    const char* keyword = nullptr;
    int position = 0;
    int positionStride = 0;
    Scaling file{};
    FileForm form = FileForm::None;

    int minimum(int element) const { return element < firstCount ? minFirst : min; }
    int imageByte(int element) const { return byte + element; }
    int filePosition(int element) const { return position + element * positionStride; }
    // Value of one element as its control holds it: up-downs byte * scale +
    // offset; check boxes and closingActive bits 0 or 1; lists the list
    // position (-1 for a preset code without one). Setting converts back: an
    // up-down value is divided by the scale (truncating) and keeps its low 8
    // bits, a check box stores 0 or 1, a preset list position without a code
    // changes nothing; a control-less field is never written.
    int controlValue(const ParamImage& image, int element) const;
    void setControlValue(ParamImage& image, int element, long long value) const;
    // What reading the controls stores: the control's value, except that a
    // test-mode-only field outside test mode takes its fixed value instead.
    void readControl(ParamImage& image, int element, long long value, bool testMode) const;

    // Object name of the control of one element ("UpDownRpmAdv3", "Edit57").
    std::string controlName(int element) const;
    std::string editName(int element) const;  // up-downs only
};

// Every field of the image, in byte order. closingActive appears once per bit
// (element k is bit k).
std::span<const FieldDescriptor> fieldTable();

// Descriptor by field name, or nullptr.
const FieldDescriptor* findField(const char* name);

}  // namespace tarvel
