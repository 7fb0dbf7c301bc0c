// Any bytes as a binary log: no crash or hang; what was read survives writing
// and reading back unchanged.
#include <cstdint>
#include <span>
#include <string>

#include "FuzzCheck.h"
#include "datalog/MlgFormat.h"

using namespace tarvel::datalog;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const DataLog log = readMlg(std::span(data, size));
    fuzz::checkLog(
        log, size, LogFormat::Mlg,
        [](const std::string& bytes) {
            return readMlg(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
        },
        true);
    return 0;
}
