#include "IgnFileWriter.h"

#include <cstdio>
#include <initializer_list>
#include <string_view>

#include "IgnKeywords.h"

namespace tarvel {

namespace {

constexpr std::string_view kLineBreak = "\r\n";
// A continuation line starts under the first number of its block.
constexpr std::string_view kIndent = "            ";

// How one keyword block is laid out. The numbers and their forms come from
// the field table; only the line structure is set here.
struct BlockLayout {
    bool emptyLineBefore;
    // The keyword padded to where its numbers start (mostly 12 columns).
    std::string_view heading;
    // A continuation line begins before each listed position (a position may
    // repeat; the block's size means "after the last number").
    std::initializer_list<int> breaksBefore;
};

// clang-format off
const BlockLayout kLayout[] = {
    // Code, then method, lobes and channels; two lines per channel; an empty
    // continuation line; revolutions without ignition and compensation.
    {false, "BIKE        ", {1, 4, 7, 10, 13, 16, 19, 22, 25, 28, 28}},
    {false, "GEBER_MODE  ", {}},
    {false, "INPUT       ", {2}},
    {false, "BASE_ADV    ", {}},
    {false, "LIMITER     ", {}},
    {false, "START_LIMITER_DELAY ", {}},
    {false, "PILOT_LIGHT ", {}},
    {false, "CLUTCH      ", {}},
    {true,  "TPS         ", {}},
    {false, "RPM         ", {}},
    {false, "EXCITATION  ", {}},
    {false, "TPS_MAPA    ", {}},
    {true,  "RPM_ADV     ", {}},
    // Ten rows of ten; the block ends with an empty continuation line.
    {true,  "ADVANCE     ", {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}},
    {true,  "SERVO_ENABLE", {}},
    {false, "SERVO_HYSTER", {}},
    {false, "SERVO_RPM   ", {}},
    {false, "SERVO_MV    ", {}},
    {false, "NO_READING  ", {}},
    {false, "N2O         ", {}},
    {false, "N2O_RPM_MIN ", {}},
    {false, "N2O_TPS_MIN ", {}},
    {false, "N2O_REPEAT ", {}},
    {false, "RETARD      ", {}},
};
// clang-format on

std::string_view keywordOf(std::string_view heading)
{
    return heading.substr(0, heading.find(' '));
}

void appendNumber(std::string& out, const IgnSlot& slot, const ParamImage& image)
{
    const int value = slot.fileValue(image);
    char text[16];
    switch (slot.field->form) {
        case FileForm::Flag:
            out += value != 0 ? "    1" : "    0";
            return;
        case FileForm::N2oFlag:
            out += value != 0 ? "    1 " : "    0 ";
            return;
        case FileForm::Signed:
            std::snprintf(text, sizeof text, "%5d ", value);
            break;
        default:
            std::snprintf(text, sizeof text, "%5u ", static_cast<unsigned>(value));
            break;
    }
    out += text;
}

void appendBlock(std::string& out, const BlockLayout& layout, const ParamImage& image)
{
    const IgnBlock* block = findIgnBlock(keywordOf(layout.heading));
    if (block == nullptr)
        return;
    if (layout.emptyLineBefore)
        out += kLineBreak;
    out += kLineBreak;
    out += layout.heading;
    const int size = static_cast<int>(block->slots.size());
    for (int position = 0; position <= size; ++position) {
        for (int b : layout.breaksBefore)
            if (b == position) {
                out += kLineBreak;
                out += kIndent;
            }
        if (position < size)
            appendNumber(out, block->slots[static_cast<std::size_t>(position)], image);
    }
}

}  // namespace

std::string IgnFileText(const ParamImage& image)
{
    std::string out;
    out.reserve(2048);
    char version[16];
    std::snprintf(version, sizeof version, "  %3u ", static_cast<unsigned>(kParamVersion));
    out += kIgnKeyWord;
    out += version;
    out += kLineBreak;
    for (const BlockLayout& layout : kLayout)
        appendBlock(out, layout, image);
    return out;
}

void IgnFileWriter(const ParamImage& image, std::ostream& out)
{
    const std::string text = IgnFileText(image);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

}  // namespace tarvel
