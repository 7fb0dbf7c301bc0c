#include "datalog/CsvFormat.h"

namespace tarvel::datalog {

namespace {

// A cell with a comma, quote or line end goes in quotes, quotes doubled.
std::string cell(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string s = "\"";
    for (char c : text) {
        if (c == '"')
            s += '"';
        s += c;
    }
    return s + '"';
}

}  // namespace

bool CsvEncoder::header(std::string& out, const LogHeader& h, std::string&)
{
    fields_ = h.fields;
    layOut(fields_);
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const LogField& f = fields_[i];
        out += (i ? "," : "") + cell(f.units.empty() ? f.name : f.name + " [" + f.units + "]");
    }
    out += '\n';
    return true;
}

void CsvEncoder::record(std::string& out, std::span<const std::uint8_t> raw, std::uint64_t)
{
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (i)
            out += ',';
        fields_[i].appendShown(out, raw.data());
    }
    out += '\n';
}

}  // namespace tarvel::datalog
