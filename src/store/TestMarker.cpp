#include "TestMarker.h"

#include "SafeFileReader.h"
#include "TokenScanner.h"
#include "model/LogSink.h"

namespace tarvel {

bool HasTestMarker(std::istream& in)
{
    std::streambuf* source = in.rdbuf();
    if (source == nullptr)
        return false;
    TokenScanner scanner(*source);
    while (const Token* word = scanner.peek()) {
        if (word->is(kTestMarkerWord))
            return true;
        scanner.consume();
    }
    return false;
}

bool ReadTestMarker(const std::string& path)
{
    SafeFileReader file(path);
    return file.isOpen() && HasTestMarker(file.stream());
}

}  // namespace tarvel
