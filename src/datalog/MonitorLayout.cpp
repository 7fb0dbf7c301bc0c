#include "datalog/MonitorLayout.h"

#include <cmath>

#include "datalog/DataLog.h"

namespace tarvel::datalog {

namespace {

using R = MonitorRecord;
using I = std::int64_t;

struct Column {
    const char* name;
    const char* units;
    FieldType type;
    float scale;
    float transform;
    std::int8_t digits;
    I (*get)(const R&);
    void (*set)(R&, I);
};

template <class T>
T as(I v)
{
    return static_cast<T>(v);
}

// clang-format off
#define U16F(name, units, member) {name, units, FieldType::U16, 1, 0, 0, [](const R& r) -> I { return r.sample.member; }, [](R& r, I v) { r.sample.member = as<std::uint16_t>(v); }}
#define U08F(name, units, member) {name, units, FieldType::U08, 1, 0, 0, [](const R& r) -> I { return r.sample.member; }, [](R& r, I v) { r.sample.member = as<std::uint8_t>(v); }}
#define FLAG(name, member) {name, "", FieldType::U08, 1, 0, 0, [](const R& r) -> I { return r.sample.member ? 1 : 0; }, [](R& r, I v) { r.sample.member = v != 0; }}
// Advance is stored as the frame sends it: degrees + 100.
#define ADV(n) {"Advance " #n, "deg", FieldType::U08, 1, -100, 0, [](const R& r) -> I { return r.sample.advance[n - 1] + 100; }, [](R& r, I v) { r.sample.advance[n - 1] = as<std::int16_t>(v - 100); }}
#define MAXADV(n) U16F("Max Advance " #n, "deg", maxAdvance[n - 1])
#define TEST(n) U16F("Test " #n, "", test[n - 1])

const Column kColumns[] = {
    {"Time", "s", FieldType::U32, 0.001f, 0, 3, nullptr, nullptr},
    U16F("RPM", "rpm", rpm),
    U08F("TPS", "%", tpsPercent),
    U16F("TPS Voltage", "mV", tpsMv),
    {"Supply", "V", FieldType::U16, 0.001f, 0, 3, [](const R& r) -> I { return r.sample.supplyMv; }, [](R& r, I v) { r.sample.supplyMv = as<std::uint16_t>(v); }},
    U16F("Lambda", "mV", lambdaMv),
    U16F("Servo Measured", "mV", servoMeasuredMv),
    U16F("Servo Desired", "mV", servoDesiredMv),
    U16F("Potak", "", potak),
    U08F("N2O", "%", n2oPercent),
    U08F("Retard", "deg", retard),
    ADV(1), ADV(2), ADV(3), ADV(4),
    MAXADV(1), MAXADV(2), MAXADV(3), MAXADV(4),
    U16F("Start Limiter RPM", "rpm", startLimiterRpm),
    U16F("Saving Counter", "", saveCount),
    FLAG("In Start Limiter", inStartLimiter),
    FLAG("In Tacho Lambda", inTachoLambda),
    FLAG("In Clutch Master", inClutch),
    FLAG("In Motor Off 1", inBlock1),
    FLAG("In Motor Off 2", inBlock2),
    FLAG("In N2O", inN2o),
    FLAG("Out Limiter", outLimiter),
    FLAG("Out Shift Light", outShiftLight),
    FLAG("Out Start Limiter", outStartLimiter),
    FLAG("Out Tacho", outTacho),
    FLAG("Out Clutch Master", outClutch),
    FLAG("Out Motor Off 1", outBlock1),
    FLAG("Out Motor Off 2", outBlock2),
    FLAG("Out N2O", outN2o),
    FLAG("Pickup 1 Signal", pickup[0]),
    FLAG("Pickup 2 Signal", pickup[1]),
    FLAG("TPS Error", tpsError),
    FLAG("Servo OK", servoOk),
    FLAG("Data Error", dataError),
    U08F("Format Version", "", formatVersion),
    TEST(1), TEST(2), TEST(3), TEST(4), TEST(5), TEST(6), TEST(7), TEST(8),
    // The map column is -1 while the engine runs below the first column.
    {"Map Column", "", FieldType::S08, 1, 0, 0,
     [](const R& r) -> I { return r.op.opBelowMap ? -1 : r.op.opRpmColumn; },
     [](R& r, I v) { r.op.opBelowMap = v < 0; r.op.opRpmColumn = as<std::uint8_t>(v < 0 ? 0 : v); }},
    {"TPS Row", "", FieldType::U08, 1, 0, 0, [](const R& r) -> I { return r.op.opTpsRow; }, [](R& r, I v) { r.op.opTpsRow = as<std::uint8_t>(v); }},
    {"Servo Column", "", FieldType::U08, 1, 0, 0, [](const R& r) -> I { return r.op.opServoColumn; }, [](R& r, I v) { r.op.opServoColumn = as<std::uint8_t>(v); }},
    U16F("Programmings", "", programCount),
    U08F("Pickup Check a1", "", checkA[0]),
    U08F("Pickup Check a2", "", checkA[1]),
    U08F("Pickup Check b1", "", checkB[0]),
    U08F("Pickup Check b2", "", checkB[1]),
};
// clang-format on

constexpr std::size_t kColumnCount = sizeof kColumns / sizeof kColumns[0];

struct Layout {
    std::vector<LogField> fields;
    std::size_t length = 0;
    Layout()
    {
        for (const Column& c : kColumns)
            fields.push_back({c.name, c.units, c.type, 0, c.scale, c.transform, c.digits, 0});
        length = layOut(fields);
    }
};

const Layout& layout()
{
    static const Layout l;
    return l;
}

// The raw value a shown value came from, rounded and kept to the type of the
// monitor field.
I rawFor(double shown, const Column& c)
{
    const double r = std::nearbyint(shown / static_cast<double>(c.scale) - static_cast<double>(c.transform));
    if (!std::isfinite(r))
        return 0;
    const double lo = c.type == FieldType::S08 ? -128 : 0;
    const double hi = c.type == FieldType::U08 ? 255 : c.type == FieldType::S08 ? 127 : c.type == FieldType::U16 ? 65535 : 4294967295.0;
    return static_cast<I>(r < lo ? lo : r > hi ? hi : r);
}

}  // namespace

const std::vector<LogField>& monitorFields()
{
    return layout().fields;
}

std::size_t monitorRecordLength()
{
    return layout().length;
}

void packMonitorRecord(std::uint32_t timeMs, const link::LiveSample& sample, const link::OperatingPoint& op,
                       std::span<std::uint8_t> out)
{
    const auto& fields = layout().fields;
    R r{0, sample, op};
    putBe(out.data(), timeMs, 4);
    for (std::size_t i = 1; i < kColumnCount; ++i)
        fields[i].storeRaw(kColumns[i].get(r), out.data());
}

MonitorLogView::MonitorLogView(const DataLog& log) : log_(log)
{
    for (const Column& c : kColumns) {
        columns_.push_back(log.fieldIndex(c.name));
        if (!columns_.back())
            ++missing_;
    }
}

std::size_t MonitorLogView::size() const
{
    return log_.recordCount();
}

MonitorRecord MonitorLogView::record(std::size_t index) const
{
    R r;
    r.time = log_.time(index);
    for (std::size_t i = 1; i < kColumnCount; ++i) {
        const auto& column = columns_[i];
        kColumns[i].set(r, column ? rawFor(log_.value(index, *column), kColumns[i]) : 0);
    }
    return r;
}

}  // namespace tarvel::datalog
