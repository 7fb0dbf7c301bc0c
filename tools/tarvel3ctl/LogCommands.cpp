// `log info FILE` and `log export FILE OUT`.
#include <cstdio>
#include <ctime>
#include <string>

#include "Commands.h"
#include "datalog/LogEncoder.h"
#include "datalog/LogFile.h"

namespace tarvel::ctl {

namespace {

constexpr const char* kUsageText = "log info FILE | log export FILE OUT";

const char* typeName(datalog::FieldType t)
{
    static const char* const kNames[] = {"U08", "S08", "U16", "S16", "U32", "S32", "S64", "F32"};
    const auto i = static_cast<std::size_t>(t);
    return i < sizeof kNames / sizeof kNames[0] ? kNames[i] : "?";
}

// Prints why the log did not open (status 1), or how much of a damaged one was read.
bool opened(const std::string& path, const datalog::DataLog& log)
{
    if (!log.report.opened) {
        const std::string& m = log.report.message;
        if (m.rfind(path, 0) == 0)
            std::fprintf(stderr, "%s\n", m.c_str());
        else
            std::fprintf(stderr, "%s: %s\n", path.c_str(), m.c_str());
        return false;
    }
    if (!log.report.message.empty())
        std::fprintf(stderr, "%s: %s\n", path.c_str(), log.report.message.c_str());
    return true;
}

int info(const std::string& path)
{
    const datalog::DataLog log = datalog::readLogFile(path);
    if (!opened(path, log))
        return kFailed;
    std::printf("File: %s (%s)\n", path.c_str(), datalog::formatName(*datalog::formatOfPath(path)));
    for (const std::string& line : log.info)
        std::printf("Info: %s\n", line.c_str());
    if (log.startUnixTime != 0) {
        const std::time_t t = static_cast<std::time_t>(log.startUnixTime);
        std::tm tm{};
        gmtime_r(&t, &tm);
        std::printf("Start: %04d-%02d-%02d %02d:%02d:%02d UTC\n", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                    tm.tm_hour, tm.tm_min, tm.tm_sec);
    }
    std::printf("Records: %zu\n", log.recordCount());
    if (log.report.badRecords > 0)
        std::printf("Skipped: %zu\n", log.report.badRecords);
    std::printf("Duration: %.3f s\n", log.duration());
    std::printf("Fields: %zu\n", log.fields().size());
    for (std::size_t i = 0; i < log.fields().size(); ++i) {
        const auto& f = log.fields()[i];
        std::printf("  %3zu  %-20s %-6s %s scale %g transform %g digits %d\n", i + 1, f.name.c_str(),
                    f.units.empty() ? "-" : f.units.c_str(), typeName(f.type), static_cast<double>(f.scale),
                    static_cast<double>(f.transform), f.digits);
    }
    std::printf("Markers: %zu\n", log.markers.size());
    for (const auto& m : log.markers)
        std::printf("  %10.3f s  after record %zu  %s\n", m.time, m.beforeRecord, m.text.c_str());
    return kOk;
}

int exportLog(const std::string& from, const std::string& to)
{
    const auto format = datalog::formatOfPath(to);
    if (!format) {
        std::fprintf(stderr, "%s: the export is written as .mlg, .msl or .csv\n", to.c_str());
        return kUsage;
    }
    const datalog::DataLog log = datalog::readLogFile(from);
    if (!opened(from, log))
        return kFailed;
    std::string error;
    if (!datalog::writeLogFile(log, to, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return kFailed;
    }
    std::printf("%s: %zu records", to.c_str(), log.recordCount());
    if (!log.markers.empty())
        std::printf(*format == datalog::LogFormat::Csv ? ", %zu markers not kept in CSV" : ", %zu markers",
                    log.markers.size());
    std::printf("\n");
    return kOk;
}

}  // namespace

int cmdLog(const Args& args)
{
    if (args.size() == 2 && args[0] == "info")
        return info(args[1]);
    if (args.size() == 3 && args[0] == "export")
        return exportLog(args[1], args[2]);
    std::fprintf(stderr, "usage: tarvel3ctl %s\n", kUsageText);
    return kUsage;
}

}  // namespace tarvel::ctl
