#include "datalog/MlgFormat.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace tarvel::datalog {

namespace {

constexpr char kMagic[6] = {'M', 'L', 'V', 'L', 'G', '\0'};

void putBytes(std::string& out, std::uint64_t v, std::size_t n)
{
    std::uint8_t b[8];
    putBe(b, v, n);
    out.append(reinterpret_cast<const char*>(b), n);
}

// `text` cut to `size` bytes (not inside a UTF-8 character) and zero padded.
void putPadded(std::string& out, std::string_view text, std::size_t size)
{
    std::size_t n = std::min(text.size(), size);
    if (n < text.size())
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
            --n;
    out.append(text.substr(0, n));
    out.append(size - n, '\0');
}

std::string paddedText(const std::uint8_t* p, std::size_t size)
{
    const void* zero = std::memchr(p, 0, size);
    const std::size_t n = zero ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(zero) - p) : size;
    return std::string(reinterpret_cast<const char*>(p), n);
}

std::string withCount(std::size_t n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

bool MlgEncoder::header(std::string& out, const LogHeader& h, std::string& error)
{
    fields_ = h.fields;
    const std::size_t length = layOut(fields_);
    const std::size_t infoAt = kMlgHeaderSize + kMlgFieldSize * fields_.size();
    std::string info;
    for (const std::string& line : h.info) {
        if (!info.empty())
            info += '\n';
        info += line;
    }
    if (info.find('\0') != std::string::npos)
        info.erase(info.find('\0'));
    if (fields_.empty() || fields_.size() > 0x7FFF || infoAt > 0x7FFF || length > 0x7FFF) {
        error = "too many fields for a binary log";
        return false;
    }
    out.append(kMagic, sizeof kMagic);
    putBytes(out, 1, 2);
    putBytes(out, static_cast<std::uint32_t>(h.startUnixTime), 4);
    putBytes(out, infoAt, 2);
    putBytes(out, infoAt + info.size() + 1, 4);
    putBytes(out, length, 2);
    putBytes(out, fields_.size(), 2);
    for (const LogField& f : fields_) {
        out += static_cast<char>(f.type);
        putPadded(out, f.name, kMlgNameSize);
        putPadded(out, f.units, kMlgUnitsSize);
        out += static_cast<char>(f.style);
        putBytes(out, std::bit_cast<std::uint32_t>(f.scale), 4);
        putBytes(out, std::bit_cast<std::uint32_t>(f.transform), 4);
        out += static_cast<char>(f.digits);
    }
    out += info;
    out += '\0';
    return true;
}

void MlgEncoder::blockHeader(std::string& out, std::uint8_t type, std::uint64_t elapsedUs)
{
    out += static_cast<char>(type);
    out += static_cast<char>(counter_++);
    putBytes(out, (elapsedUs / 10) & 0xFFFF, 2);
}

void MlgEncoder::record(std::string& out, std::span<const std::uint8_t> raw, std::uint64_t elapsedUs)
{
    blockHeader(out, 0, elapsedUs);
    unsigned sum = 0;
    for (std::uint8_t b : raw)
        sum += b;
    out.append(reinterpret_cast<const char*>(raw.data()), raw.size());
    out += static_cast<char>(sum & 0xFF);
}

void MlgEncoder::marker(std::string& out, std::string_view text, std::uint64_t elapsedUs)
{
    ++markerCount_;
    blockHeader(out, 1, elapsedUs);
    putPadded(out, text, kMlgMarkerSize);
}

DataLog readMlg(std::span<const std::uint8_t> in)
{
    DataLog log;
    ReadReport& r = log.report;
    r.fileSize = in.size();
    const std::uint8_t* p = in.data();
    auto fail = [&](std::string why) {
        log.setFields({});
        r.message = std::move(why);
        return std::move(log);
    };
    if (in.size() < sizeof kMagic || std::memcmp(p, kMagic, sizeof kMagic) != 0)
        return fail("not a binary log (no \"MLVLG\" at the start)");
    if (in.size() < kMlgHeaderSize)
        return fail("the file ends inside the header (" + withCount(in.size(), "byte", "bytes") + ")");
    const auto version = getBe(p + 6, 2);
    if (version != 1)
        return fail("binary log format version " + std::to_string(version) + " is not supported (only 1)");
    log.startUnixTime = static_cast<std::int32_t>(getBe(p + 8, 4));
    const std::size_t infoAt = getBe(p + 12, 2);
    const std::size_t dataAt = getBe(p + 14, 4);
    const std::size_t length = getBe(p + 18, 2);
    const std::size_t count = getBe(p + 20, 2);
    const std::size_t fieldsEnd = kMlgHeaderSize + kMlgFieldSize * count;
    if (count == 0)
        return fail("the header lists no fields");
    if (in.size() < fieldsEnd)
        return fail("the file ends inside the field list (" + withCount(in.size(), "byte", "bytes") + ")");

    std::vector<LogField> fields(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* d = p + kMlgHeaderSize + kMlgFieldSize * i;
        LogField& f = fields[i];
        if (d[0] >= kFieldTypeCount)
            return fail("field " + std::to_string(i + 1) + " has the unknown type " + std::to_string(d[0]));
        f.type = static_cast<FieldType>(d[0]);
        f.name = paddedText(d + 1, kMlgNameSize);
        f.units = paddedText(d + 1 + kMlgNameSize, kMlgUnitsSize);
        f.style = d[45];
        f.scale = std::bit_cast<float>(static_cast<std::uint32_t>(getBe(d + 46, 4)));
        f.transform = std::bit_cast<float>(static_cast<std::uint32_t>(getBe(d + 50, 4)));
        f.digits = static_cast<std::int8_t>(d[54]);
        if (!std::isfinite(f.scale) || !std::isfinite(f.transform))
            return fail("field " + std::to_string(i + 1) + " has no valid scale");
    }
    if (fields[0].name != "Time" && fields[0].name != "time")
        return fail("the first field is \"" + fields[0].name + "\", not \"Time\"");
    log.setFields(std::move(fields));
    if (length != log.recordLength())
        return fail("the record length " + std::to_string(length) + " does not match the fields (" +
                    std::to_string(log.recordLength()) + ")");
    if (infoAt < fieldsEnd || dataAt <= infoAt)
        return fail("the header's offsets are damaged");
    if (in.size() < dataAt)
        return fail("the file ends inside the info text (" + withCount(in.size(), "byte", "bytes") + ")");

    const std::string info = paddedText(p + infoAt, dataAt - infoAt);
    for (std::size_t from = 0; from < info.size();) {
        std::size_t end = info.find('\n', from);
        if (end == std::string::npos)
            end = info.size();
        std::string line = info.substr(from, end - from);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() >= 2 && line.front() == '"' && line.back() == '"')
            line = line.substr(1, line.size() - 2);
        if (!line.empty())
            log.info.push_back(std::move(line));
        from = end + 1;
    }

    r.opened = true;
    log.reserve((in.size() - dataAt) / (length + kMlgBlockHeaderSize + 1));
    std::size_t at = dataAt;
    std::size_t lastStamp = 0;
    std::string stopped;
    while (at < in.size()) {
        const std::size_t left = in.size() - at;
        const std::uint8_t type = p[at];
        if (type > 1) {
            stopped = "a block of unknown type (" + std::to_string(type) + ") follows at byte " + std::to_string(at);
            break;
        }
        const std::size_t blockSize = kMlgBlockHeaderSize + (type == 0 ? length + 1 : kMlgMarkerSize);
        if (left < blockSize) {
            stopped = "the file ends inside a block at byte " + std::to_string(at);
            break;
        }
        const std::size_t stamp = getBe(p + at + 2, 2);
        const std::uint8_t* body = p + at + kMlgBlockHeaderSize;
        if (type == 0) {
            unsigned sum = 0;
            for (std::size_t i = 0; i < length; ++i)
                sum += body[i];
            if ((sum & 0xFF) == body[length]) {
                log.appendRecord({body, length});
                lastStamp = stamp;
            } else {
                ++r.badRecords;
            }
        } else {
            LogMarker m;
            m.beforeRecord = log.recordCount();
            const double since = static_cast<double>((stamp - lastStamp) & 0xFFFF) * 1e-5;
            m.time = log.recordCount() == 0 ? static_cast<double>(stamp) * 1e-5 : log.time(log.recordCount() - 1) + since;
            m.text = paddedText(body, kMlgMarkerSize);
            log.markers.push_back(std::move(m));
        }
        at += blockSize;
    }
    r.bytesRead = at;
    r.complete = stopped.empty();
    std::string message;
    if (!stopped.empty())
        message = "read " + withCount(log.recordCount(), "record", "records") + " (" + std::to_string(at) + " of " +
                  std::to_string(in.size()) + " bytes); " + stopped;
    if (r.badRecords > 0) {
        if (!message.empty())
            message += "; ";
        message += "skipped " + withCount(r.badRecords, "record", "records") + " with a wrong sum byte";
    }
    r.message = std::move(message);
    return log;
}

}  // namespace tarvel::datalog
