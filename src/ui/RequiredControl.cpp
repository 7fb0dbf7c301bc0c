#include "RequiredControl.h"

#include <cstdio>
#include <cstdlib>

#include "model/LogSink.h"

namespace tarvel {

void missingControl(const QString& name, const char* type)
{
    const std::string text =
        "The window has no control " + name.toStdString() + " of type " + type + "; the program cannot start.";
    log::write(log::Area::Ui, text);
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
    std::abort();
}

}  // namespace tarvel
