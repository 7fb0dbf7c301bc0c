// defaults and normalise: the .ign file of the start-up image, and a file read
// over it and repaired, both written to standard output.
#include <cstdio>
#include <string>

#include "Commands.h"
#include "ParamFiles.h"
#include "model/Normalise.h"
#include "model/StartupImage.h"
#include "store/IgnFileWriter.h"

namespace tarvel::ctl {

namespace {

int usage(const char* line)
{
    std::fprintf(stderr, "usage: tarvel3ctl %s\n", line);
    return kUsage;
}

// A decimal byte value, nothing else.
bool parseByte(const std::string& text, std::uint8_t& value)
{
    if (text.empty() || text.size() > 3)
        return false;
    int v = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
    }
    if (v > 255)
        return false;
    value = static_cast<std::uint8_t>(v);
    return true;
}

int writeIgn(const ParamImage& image)
{
    const std::string text = IgnFileText(image);
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
        std::perror("tarvel3ctl: standard output");
        return kFailed;
    }
    return kOk;
}

}  // namespace

int cmdDefaults(const Args& args)
{
    constexpr const char* kUsageLine = "defaults [--bike CODE]   (CODE 0..255, default 20)";
    std::uint8_t bike = kStartupBikeCode;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--bike" && i + 1 < args.size() && parseByte(args[i + 1], bike))
            ++i;
        else
            return usage(kUsageLine);
    }
    return writeIgn(StartupImage(bike));
}

int cmdNormalise(const Args& args)
{
    if (args.size() != 1 || args[0].empty() || (args[0].size() > 1 && args[0][0] == '-'))
        return usage("normalise FILE");
    ParamImage image = StartupImage();
    if (!LoadParamFile(args[0], image))
        return kFailed;
    NormaliseImage(image);
    return writeIgn(image);
}

}  // namespace tarvel::ctl
