#include "IgnKeywords.h"

#include <algorithm>
#include <cstdlib>

namespace tarvel {

int IgnSlot::fileValue(const ParamImage& image) const
{
    const std::uint8_t byte = image[field->imageByte(element)];
    switch (field->form) {
        case FileForm::Flag:
        case FileForm::N2oFlag:
            return byte != 0 ? 1 : 0;
        case FileForm::Bit:
            return (byte >> field->bit) & 1;
        default:
            return field->file.toUser(byte);
    }
}

void IgnSlot::store(ParamImage& image, std::uint16_t value) const
{
    std::uint8_t& byte = image[field->imageByte(element)];
    if (field->form == FileForm::Bit) {
        if (value != 0)
            byte = static_cast<std::uint8_t>(byte | (1u << field->bit));
        return;
    }
    byte = field->file.toByte(value);
}

namespace {

std::vector<IgnBlock> buildBlocks()
{
    std::vector<IgnBlock> blocks;
    for (const FieldDescriptor& d : fieldTable()) {
        if (d.keyword == nullptr || d.form == FileForm::None)
            continue;
        const std::string_view keyword = d.keyword;
        auto block =
            std::find_if(blocks.begin(), blocks.end(), [&](const IgnBlock& b) { return b.keyword == keyword; });
        if (block == blocks.end())
            block = blocks.insert(blocks.end(), IgnBlock{keyword, {}});
        for (int e = 0; e < d.count; ++e) {
            const auto position = static_cast<std::size_t>(d.filePosition(e));
            if (block->slots.size() <= position)
                block->slots.resize(position + 1);
            // Two fields on one position would silently drop one of them from the file.
            if (block->slots[position].field != nullptr)
                std::abort();
            block->slots[position] = IgnSlot{&d, e};
        }
    }
    // So would a gap: the numbers after it would land in the wrong fields.
    for (const IgnBlock& b : blocks)
        for (const IgnSlot& s : b.slots)
            if (s.field == nullptr)
                std::abort();
    return blocks;
}

}  // namespace

std::span<const IgnBlock> ignBlocks()
{
    static const std::vector<IgnBlock> blocks = buildBlocks();
    return blocks;
}

const IgnBlock* findIgnBlock(std::string_view keyword)
{
    for (const IgnBlock& b : ignBlocks())
        if (b.keyword == keyword)
            return &b;
    return nullptr;
}

}  // namespace tarvel
