#include <cstdio>

#include "Commands.h"

namespace tarvel::ctl {

namespace {
int notYet(const char* name)
{
    std::fprintf(stderr, "tarvel3ctl %s: not built yet\n", name);
    return kFailed;
}
}  // namespace

int cmdSimulate(const Args&) { return notYet("simulate"); }
int cmdRead(const Args&) { return notYet("read"); }
int cmdProgram(const Args&) { return notYet("program"); }
int cmdVerify(const Args&) { return notYet("verify"); }
int cmdMonitor(const Args&) { return notYet("monitor"); }

}  // namespace tarvel::ctl
