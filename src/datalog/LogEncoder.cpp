#include "datalog/LogEncoder.h"

#include <algorithm>
#include <cctype>

#include "datalog/CsvFormat.h"
#include "datalog/MlgFormat.h"
#include "datalog/MslFormat.h"

namespace tarvel::datalog {

std::optional<LogFormat> formatOfPath(std::string_view path)
{
    const auto dot = path.find_last_of('.');
    const auto slash = path.find_last_of('/');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return std::nullopt;
    std::string ext(path.substr(dot + 1));
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    if (ext == "mlg")
        return LogFormat::Mlg;
    if (ext == "msl")
        return LogFormat::Msl;
    if (ext == "csv")
        return LogFormat::Csv;
    return std::nullopt;
}

const char* formatName(LogFormat format)
{
    switch (format) {
    case LogFormat::Mlg: return "MLVLG binary log";
    case LogFormat::Msl: return "text log";
    case LogFormat::Csv: return "CSV";
    }
    return "?";
}

std::unique_ptr<LogEncoder> LogEncoder::create(LogFormat format)
{
    switch (format) {
    case LogFormat::Mlg: return std::make_unique<MlgEncoder>();
    case LogFormat::Msl: return std::make_unique<MslEncoder>();
    case LogFormat::Csv: return std::make_unique<CsvEncoder>();
    }
    return nullptr;
}

std::string oneLine(std::string_view text)
{
    std::string s(text);
    for (char& c : s)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return s;
}

}  // namespace tarvel::datalog
