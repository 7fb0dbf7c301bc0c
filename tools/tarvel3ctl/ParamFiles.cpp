#include "ParamFiles.h"

#include <cstdio>

#include "model/Messages.h"
#include "store/IgnFileReader.h"
#include "store/IgnFileWriter.h"
#include "store/SafeFileWriter.h"

namespace tarvel::ctl {

namespace {

void tell(const std::string& line)
{
    if (!line.empty())
        std::fprintf(stderr, "%s\n", line.c_str());
}

std::string message(Msg m)
{
    MessageTable messages;
    messages.loadMessages(Language::English);
    return messages[m];
}

}  // namespace

bool LoadParamFile(const std::string& path, ParamImage& image)
{
    std::string detail;
    switch (LoadIgnFile(path, image, &detail)) {
        case IgnLoadResult::Loaded:
            return true;
        case IgnLoadResult::OpenError:
            tell(message(Msg::OpenFileError));
            tell(detail);
            return false;
        case IgnLoadResult::UnmatchedVersion:
            tell(message(Msg::UnmatchedIgnFile));
            return false;
    }
    return false;
}

bool SaveParamFile(const std::string& path, const ParamImage& image)
{
    std::string error;
    if (SafeFileWriter::writeFile(path, IgnFileText(image), &error))
        return true;
    tell(error);
    return false;
}

}  // namespace tarvel::ctl
