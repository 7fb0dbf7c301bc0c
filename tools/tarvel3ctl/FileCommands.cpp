#include <cstdio>

#include "Commands.h"

namespace tarvel::ctl {

int cmdDefaults(const Args&)
{
    std::fprintf(stderr, "tarvel3ctl defaults: not built yet\n");
    return kFailed;
}

int cmdNormalise(const Args&)
{
    std::fprintf(stderr, "tarvel3ctl normalise: not built yet\n");
    return kFailed;
}

}  // namespace tarvel::ctl
