#include "TestMarker.h"

#include <filesystem>
#include <fstream>

#include "TokenScanner.h"

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
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return false;
    std::ifstream in(path, std::ios::binary);
    return in.is_open() && HasTestMarker(in);
}

}  // namespace tarvel
