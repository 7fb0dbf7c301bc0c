#include "datalog/DataLog.h"

#include <algorithm>

namespace tarvel::datalog {

void DataLog::setFields(std::vector<LogField> fields)
{
    fields_ = std::move(fields);
    recordLength_ = layOut(fields_);
    data_.clear();
    times_.clear();
}

std::optional<std::size_t> DataLog::fieldIndex(std::string_view name) const
{
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].name == name)
            return i;
    return std::nullopt;
}

void DataLog::appendRecord(std::span<const std::uint8_t> raw)
{
    data_.insert(data_.end(), raw.begin(), raw.begin() + static_cast<std::ptrdiff_t>(recordLength_));
    times_.push_back(fields_.empty() ? 0.0 : fields_[0].shown(raw.data()));
}

void DataLog::reserve(std::size_t records)
{
    data_.reserve(records * recordLength_);
    times_.reserve(records);
}

std::vector<double> DataLog::channel(std::size_t field) const
{
    std::vector<double> out(recordCount());
    const LogField& f = fields_[field];
    const std::uint8_t* p = data_.data();
    for (std::size_t i = 0; i < out.size(); ++i, p += recordLength_)
        out[i] = f.shown(p);
    return out;
}

std::size_t DataLog::indexAtTime(double seconds) const
{
    const auto it = std::upper_bound(times_.begin(), times_.end(), seconds);
    return it == times_.begin() ? 0 : static_cast<std::size_t>(it - times_.begin()) - 1;
}

std::size_t DataLog::memoryBytes() const
{
    std::size_t n = sizeof *this + data_.capacity() + times_.capacity() * sizeof(double);
    for (const LogField& f : fields_)
        n += sizeof f + f.name.capacity() + f.units.capacity();
    for (const LogMarker& m : markers)
        n += sizeof m + m.text.capacity();
    for (const std::string& s : info)
        n += sizeof s + s.capacity();
    return n;
}

}  // namespace tarvel::datalog
