#include "IgnFileReader.h"

#include "IgnKeywords.h"
#include "SafeFileReader.h"
#include "TokenScanner.h"
#include "model/LogSink.h"

namespace tarvel {

namespace {

bool findKey(TokenScanner& scanner)
{
    while (const Token* t = scanner.peek()) {
        const bool key = t->is(kIgnKeyWord);
        scanner.consume();
        if (!key)
            continue;
        // A number after the key is its version; anything else is left for the search.
        if (const Token* version = scanner.takeNumber(); version != nullptr && version->isExactly(kParamVersion))
            return true;
    }
    return false;
}

void readBlock(TokenScanner& scanner, const IgnBlock& block, ParamImage& image)
{
    const bool input = block.keyword == "INPUT";
    bool closingCleared = false;
    for (const IgnSlot& slot : block.slots) {
        const Token* number = scanner.takeNumber();
        if (number == nullptr)
            return;
        // INPUT sets closingActive from its six bits alone: bits 6 and 7 end up 0.
        if (input && slot.field->form == FileForm::Bit && !closingCleared) {
            image[fld::closingActive] = 0;
            closingCleared = true;
        }
        slot.store(image, number->value);
    }
    // BIKE may go on with the two input polarities, the first two numbers of INPUT.
    if (block.keyword == "BIKE") {
        const IgnBlock* input = findIgnBlock("INPUT");
        for (int position = 0; position < 2; ++position) {
            const Token* number = scanner.takeNumber();
            if (number == nullptr)
                return;
            input->slots[static_cast<std::size_t>(position)].store(image, number->value);
        }
    }
}

bool readStream(std::streambuf& source, ParamImage& image)
{
    TokenScanner scanner(source);
    if (!findKey(scanner))
        return false;
    ParamImage result = image;
    while (const Token* t = scanner.peek()) {
        const IgnBlock* block = t->overlong ? nullptr : findIgnBlock(t->text);
        scanner.consume();
        if (block != nullptr)
            readBlock(scanner, *block, result);
    }
    image = result;
    return true;
}

}  // namespace

bool IgnFileReader(std::istream& in, ParamImage& image)
{
    std::streambuf* source = in.rdbuf();
    return source != nullptr && readStream(*source, image);
}

bool IgnFileReader(std::string_view text, ParamImage& image)
{
    MemoryStreamBuf source(text);
    return readStream(source, image);
}

IgnLoadResult LoadIgnFile(const std::string& path, ParamImage& image, std::string* detail)
{
    SafeFileReader file(path);
    if (!file.isOpen()) {
        if (detail != nullptr)
            *detail = file.error();
        return IgnLoadResult::OpenError;
    }
    return IgnFileReader(file.stream(), image) ? IgnLoadResult::Loaded : IgnLoadResult::UnmatchedVersion;
}

}  // namespace tarvel
