// The look the program starts with, for the pictures and figures of the
// window: the program's style and the design font.
#pragma once

#include <QStringList>

namespace tarvel::bench {

// Gives the running QApplication that look; returns the command-line
// arguments after the program's name.
QStringList UseProgramLook();

}  // namespace tarvel::bench
