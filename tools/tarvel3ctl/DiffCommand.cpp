// diff A B: two parameter sets compared field by field, A and B each an .ign
// file or "--port PORT" (the unit's pages, read as Read reads them). One line
// per differing field, "<name>  <value A>  <value B>" in user units, then a
// summary line. Exit status as diff(1): 0 equal, 1 different, 2 trouble.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "Commands.h"
#include "UnitSession.h"
#include "model/ImageDiff.h"
#include "model/Messages.h"
#include "model/StartupImage.h"
#include "store/IgnFileReader.h"

namespace tarvel::ctl {

namespace {

constexpr int kSame = 0;
constexpr int kDifferent = 1;
constexpr int kTrouble = 2;
constexpr const char* kUsageLine = "diff A B   (A and B: FILE or --port PORT)";

struct Source {
    bool port = false;
    std::string name;  // file path or port
};

std::optional<std::vector<Source>> parseSources(const Args& args)
{
    std::vector<Source> sources;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--port") {
            if (i + 1 >= args.size() || args[i + 1].empty())
                return std::nullopt;
            sources.push_back({true, args[++i]});
        } else if (args[i].empty() || (args[i].size() > 1 && args[i][0] == '-')) {
            return std::nullopt;
        } else {
            sources.push_back({false, args[i]});
        }
    }
    if (sources.size() != 2)
        return std::nullopt;
    return sources;
}

std::string message(Msg m)
{
    MessageTable messages;
    messages.loadMessages(Language::English);
    return messages[m];
}

// The file over the start-up image, as the window opens it; the comparison
// normalises it.
std::optional<ParamImage> fromFile(const std::string& path)
{
    ParamImage image = StartupImage();
    switch (LoadIgnFile(path, image)) {
        case IgnLoadResult::Loaded:
            return image;
        case IgnLoadResult::OpenError:
            std::fprintf(stderr, "%s: %s\n", path.c_str(), message(Msg::OpenFileError).c_str());
            return std::nullopt;
        case IgnLoadResult::UnmatchedVersion:
            std::fprintf(stderr, "%s: %s\n", path.c_str(), message(Msg::UnmatchedIgnFile).c_str());
            return std::nullopt;
    }
    return std::nullopt;
}

// The unit's pages read into an image of their own; the session's progress
// goes to standard error so that standard output holds only the report.
std::optional<ParamImage> fromUnit(const std::string& port)
{
    ParamImage sessionImage = StartupImage();
    UnitSession session(sessionImage);
    session.statusOut = stderr;
    if (!session.open(port))
        return std::nullopt;
    ParamImage unit = StartupImage();
    session.link().startReadInto(unit);
    const bool ok = session.runOperation();
    if (!ok || session.link().engine().readIntoResult() != link::TransferEngine::ReadIntoResult::Done) {
        std::fprintf(stderr, "%s: the unit's parameters could not be read\n", port.c_str());
        return std::nullopt;
    }
    return unit;
}

}  // namespace

int cmdDiff(const Args& args)
{
    const auto sources = parseSources(args);
    if (!sources) {
        std::fprintf(stderr, "usage: tarvel3ctl %s\n", kUsageLine);
        return kTrouble;
    }
    std::optional<ParamImage> images[2];
    for (int i = 0; i < 2; ++i) {
        const Source& s = (*sources)[static_cast<std::size_t>(i)];
        images[i] = s.port ? fromUnit(s.name) : fromFile(s.name);
        if (!images[i])
            return kTrouble;
    }
    const ImageDiff diff(*images[0], *images[1]);
    for (const ImageDiff::Row& row : diff.rows())
        std::printf("%s  %d  %d\n", row.label().c_str(), row.valueA, row.valueB);
    std::printf("%s\n", diff.summary().c_str());
    if (std::fflush(stdout) != 0) {
        std::perror("tarvel3ctl: standard output");
        return kTrouble;
    }
    return diff.equal() ? kSame : kDifferent;
}

}  // namespace tarvel::ctl
