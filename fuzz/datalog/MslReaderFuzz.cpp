// Any bytes as a text log: no crash or hang; what was read survives writing
// and reading back (the same raw values for a monitor log, whose fields have
// exact decimals).
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "datalog/MonitorLayout.h"
#include "datalog/MslFormat.h"

using namespace tarvel::datalog;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const DataLog log = readMsl(std::string_view(reinterpret_cast<const char*>(data), size));
    const bool monitor = log.fields().size() == monitorFields().size() && MonitorLogView(log).complete();
    fuzz::checkLog(
        log, size, LogFormat::Msl, [](const std::string& text) { return readMsl(text); }, monitor);
    return 0;
}
