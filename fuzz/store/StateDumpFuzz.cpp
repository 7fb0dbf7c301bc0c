// Any bytes as a state dump: no crash, at most 207 numbers taken, and the
// resulting block written and read back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/StartupImage.h"
#include "store/StateDump.h"

using namespace tarvel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ParamImage image = StartupImage();
    const int taken = ReadStateDump(text, image);
    if (taken < 0 || taken > kBlockSize)
        std::abort();
    ParamImage again;
    if (ReadStateDump(StateDumpText(image), again) != kBlockSize || again != image)
        std::abort();
    return 0;
}
