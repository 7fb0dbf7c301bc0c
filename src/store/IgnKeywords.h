// The keyword blocks of a .ign file as the field table defines them: for each
// keyword, the image field behind each of its numbers, by position.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "model/FieldTable.h"
#include "model/ParamImage.h"

namespace tarvel {

// One number of a keyword block: an element of a field.
struct IgnSlot {
    const FieldDescriptor* field = nullptr;
    int element = 0;

    // The number as the file holds it (already in file units, 0/1 for flags
    // and closingActive bits).
    int fileValue(const ParamImage& image) const;
    // Stores a number read from the file: `value` is the token's value modulo
    // 65536, divided by the file scale where there is one; the byte keeps
    // the low 8 bits. A closingActive bit is set when the value is nonzero
    // (clearing the byte first is the reader's business).
    void store(ParamImage& image, std::uint16_t value) const;
};

struct IgnBlock {
    std::string_view keyword;
    std::vector<IgnSlot> slots;  // by position; every position is filled
};

// The 24 keyword blocks, in the order the keywords first appear in the field table.
std::span<const IgnBlock> ignBlocks();

// Block by keyword (exact, case-sensitive), or nullptr.
const IgnBlock* findIgnBlock(std::string_view keyword);

// The key word of the file's first line, followed by the format version.
inline constexpr std::string_view kIgnKeyWord = "KORVANEX_KEY";

}  // namespace tarvel
