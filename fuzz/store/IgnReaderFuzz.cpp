// Any bytes as a .ign file: no crash, no hang, an unchanged image when no key
// is found, and a loaded image that survives writing and reading back.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "model/Normalise.h"
#include "model/StartupImage.h"
#include "store/IgnFileReader.h"
#include "store/IgnFileWriter.h"

using namespace tarvel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ParamImage start = StartupImage();
    ParamImage image = start;
    const bool found = IgnFileReader(text, image);

    ParamImage viaStream = start;
    std::istringstream stream{std::string(text)};
    if (IgnFileReader(stream, viaStream) != found || viaStream != image)
        std::abort();
    if (!found) {
        if (image != start)
            std::abort();
        return 0;
    }

    NormaliseImage(image);
    const std::string once = IgnFileText(image);
    ParamImage again = start;
    if (!IgnFileReader(once, again))
        std::abort();
    NormaliseImage(again);
    if (IgnFileText(again) != once)
        std::abort();
    return 0;
}
