#include "StateDump.h"

#include <cstdio>

#include "SafeFileReader.h"
#include "SafeFileWriter.h"
#include "TokenScanner.h"
#include "model/LogSink.h"

namespace tarvel {

namespace {

int readNumbers(std::streambuf& source, ParamImage& image)
{
    TokenScanner scanner(source);
    int count = 0;
    while (count < kBlockSize) {
        const Token* number = scanner.takeNumber();
        if (number == nullptr)
            break;
        image[count++] = static_cast<std::uint8_t>(number->value & 0xFF);
    }
    return count;
}

}  // namespace

std::string StateDumpText(const ParamImage& image)
{
    std::string out;
    out.reserve(kBlockSize * 6 + 50);
    char number[16];
    for (int k = 0; k < kBlockSize; ++k) {
        std::snprintf(number, sizeof number, "%5u ", static_cast<unsigned>(image[k]));
        out += number;
        const int written = k + 1;
        if (written % 10 == 0)
            out += "\r\n";
        if (written == kPageSize || written == kImageSize)
            out += "\r\n";
    }
    return out;
}

int ReadStateDump(std::istream& in, ParamImage& image)
{
    std::streambuf* source = in.rdbuf();
    return source != nullptr ? readNumbers(*source, image) : 0;
}

int ReadStateDump(std::string_view text, ParamImage& image)
{
    MemoryStreamBuf source(text);
    return readNumbers(source, image);
}

bool LoadStateDump(const std::string& path, ParamImage& image)
{
    SafeFileReader file(path);
    if (!file.isOpen())
        return false;
    ReadStateDump(file.stream(), image);
    return true;
}

bool SaveStateDump(const std::string& path, const ParamImage& image, std::string* error)
{
    return SafeFileWriter::writeFile(path, StateDumpText(image), error);
}

}  // namespace tarvel
