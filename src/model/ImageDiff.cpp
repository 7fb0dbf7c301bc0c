#include "ImageDiff.h"

#include <array>
#include <cstring>

#include "Normalise.h"

namespace tarvel {

namespace {

constexpr int kMapColumns = 10;

bool isMap(const FieldDescriptor& d)
{
    return d.byte == fld::advance && d.count == 100;
}

// The field's value in user units for the report. A check box byte is
// shown as it is: the unit may tell 1 from 2 although the box cannot.
int userValue(const FieldDescriptor& d, const ParamImage& image, int element)
{
    const std::uint8_t byte = image[d.imageByte(element)];
    switch (d.kind) {
        case ControlKind::UpDown:
            return d.ctl.toUser(byte);
        case ControlKind::ClosingBit:
            return (byte >> d.bit) & 1;
        default:
            return byte;
    }
}

std::uint8_t fieldMask(const FieldDescriptor& d)
{
    return d.kind == ControlKind::ClosingBit ? static_cast<std::uint8_t>(1u << d.bit) : std::uint8_t{0xFF};
}

bool keywordAlone(const FieldDescriptor& field)
{
    if (field.keyword == nullptr)
        return false;
    for (const FieldDescriptor& d : fieldTable())
        if (&d != &field && d.keyword != nullptr && std::strcmp(d.keyword, field.keyword) == 0)
            return false;
    return true;
}

}  // namespace

std::string ImageDiff::Row::controlName() const
{
    return otherBits ? std::string() : field->controlName(element);
}

std::string ImageDiff::Row::label() const
{
    std::string text = keywordAlone(*field) ? field->keyword : field->name;
    if (otherBits)
        return text + ".otherBits";
    if (field->kind == ControlKind::ClosingBit)
        return text + ".bit" + std::to_string(field->bit);
    if (row >= 0)
        return text + "[" + std::to_string(row + 1) + "," + std::to_string(column + 1) + "]";
    if (field->count > 1)
        return text + "[" + std::to_string(element + 1) + "]";
    return text;
}

ImageDiff::ImageDiff(const ParamImage& a, const ParamImage& b) : a_(a), b_(b)
{
    NormaliseImage(a_);
    NormaliseImage(b_);

    // Bits of each image byte some field has compared, so that a difference
    // no field names (a stray high bit of closingActive) is still reported.
    std::array<std::uint8_t, kImageSize> covered{};
    for (const FieldDescriptor& d : fieldTable()) {
        if (d.byte >= kImageSize)
            continue;  // the spare bytes are application state, not parameters
        for (int e = 0; e < d.count; ++e) {
            const int at = d.imageByte(e);
            covered[static_cast<std::size_t>(at)] |= fieldMask(d);
            if (((a_[at] ^ b_[at]) & fieldMask(d)) == 0)
                continue;
            Row row;
            row.field = &d;
            row.element = e;
            if (isMap(d)) {
                row.row = e / kMapColumns;
                row.column = e % kMapColumns;
            } else if (d.count > 1) {
                row.column = e;
            }
            row.valueA = userValue(d, a_, e);
            row.valueB = userValue(d, b_, e);
            row.mask = fieldMask(d);
            rows_.push_back(row);
        }
    }
    for (int at = 0; at < kImageSize; ++at) {
        const auto rest = static_cast<std::uint8_t>((a_[at] ^ b_[at]) & ~covered[static_cast<std::size_t>(at)]);
        if (rest == 0)
            continue;
        for (const FieldDescriptor& d : fieldTable()) {
            if (at < d.byte || at >= d.byte + d.count)
                continue;
            Row row;
            row.field = &d;
            row.element = at - d.byte;
            row.valueA = a_[at] & rest;
            row.valueB = b_[at] & rest;
            row.mask = rest;
            row.otherBits = true;
            rows_.push_back(row);
            break;
        }
    }
}

void ImageDiff::setTake(int index, bool take)
{
    if (index >= 0 && index < count())
        rows_[static_cast<std::size_t>(index)].take = take;
}

void ImageDiff::takeAll()
{
    for (Row& r : rows_)
        r.take = true;
}

void ImageDiff::keepAll()
{
    for (Row& r : rows_)
        r.take = false;
}

int ImageDiff::takenCount() const
{
    int n = 0;
    for (const Row& r : rows_)
        n += r.take ? 1 : 0;
    return n;
}

ParamImage ImageDiff::result() const
{
    ParamImage image = a_;
    for (const Row& r : rows_) {
        if (!r.take)
            continue;
        const int at = r.field->imageByte(r.element);
        image[at] = static_cast<std::uint8_t>((image[at] & ~r.mask) | (b_[at] & r.mask));
    }
    NormaliseImage(image);
    return image;
}

std::string ImageDiff::summary() const
{
    if (rows_.empty())
        return "no fields differ";
    if (rows_.size() == 1)
        return "1 field differs";
    return std::to_string(rows_.size()) + " fields differ";
}

int CountDifferences(const ParamImage& a, const ParamImage& b)
{
    return ImageDiff(a, b).count();
}

}  // namespace tarvel
