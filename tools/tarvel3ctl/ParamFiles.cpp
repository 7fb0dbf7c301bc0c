#include "ParamFiles.h"

#include "store/IgnFileReader.h"
#include "store/IgnFileWriter.h"
#include "store/SafeFileWriter.h"

namespace tarvel::ctl {

ParamFileResult LoadParamFile(const std::string& path, ParamImage& image, std::string* detail)
{
    switch (LoadIgnFile(path, image, detail)) {
        case IgnLoadResult::Loaded:
            return ParamFileResult::Ok;
        case IgnLoadResult::OpenError:
            return ParamFileResult::OpenError;
        case IgnLoadResult::UnmatchedVersion:
            return ParamFileResult::VersionMismatch;
    }
    return ParamFileResult::OpenError;
}

ParamFileResult SaveParamFile(const std::string& path, const ParamImage& image, std::string* error)
{
    return SafeFileWriter::writeFile(path, IgnFileText(image), error) ? ParamFileResult::Ok
                                                                      : ParamFileResult::WriteError;
}

}  // namespace tarvel::ctl
