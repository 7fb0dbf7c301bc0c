#include "TestMarker.h"

#include <cerrno>
#include <filesystem>
#include <fstream>

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
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return false;
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) {
        // Usually simply absent; the reason still helps when it is not.
        log::write(log::Area::Store, "no test marker file " + path + ": " + log::errnoText(errno));
        return false;
    }
    return HasTestMarker(in);
}

}  // namespace tarvel
