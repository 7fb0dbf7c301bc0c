#include "ParamFiles.h"

// The .ign reader and writer live in the store library. Until it is part of
// the build, parameter files are reported as not available and
// read/program/verify stop before touching the unit.
#if __has_include("store/IgnFileReader.h")
#include "store/IgnFileReader.h"
#include "store/IgnFileWriter.h"
#include "store/SafeFileWriter.h"
#define TARVEL_HAVE_IGN_FILES 1
#endif

namespace tarvel::ctl {

#ifdef TARVEL_HAVE_IGN_FILES

ParamFileResult LoadParamFile(const std::string& path, ParamImage& image)
{
    switch (LoadIgnFile(path, image)) {
        case IgnLoadResult::Loaded:
            return ParamFileResult::Ok;
        case IgnLoadResult::OpenError:
            return ParamFileResult::OpenError;
        case IgnLoadResult::UnmatchedVersion:
            return ParamFileResult::VersionMismatch;
    }
    return ParamFileResult::OpenError;
}

ParamFileResult SaveParamFile(const std::string& path, const ParamImage& image)
{
    return SafeFileWriter::writeFile(path, IgnFileText(image)) ? ParamFileResult::Ok : ParamFileResult::WriteError;
}

#else

ParamFileResult LoadParamFile(const std::string&, ParamImage&)
{
    return ParamFileResult::Unavailable;
}

ParamFileResult SaveParamFile(const std::string&, const ParamImage&)
{
    return ParamFileResult::Unavailable;
}

#endif

}  // namespace tarvel::ctl
