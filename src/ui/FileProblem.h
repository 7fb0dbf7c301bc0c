// Why a file could not be read, for the detail line under "Open file error!".
#pragma once

#include <QString>

namespace tarvel {

// "<path>: <the system's reason>", e.g. "/home/x/a.ign: Permission denied".
// The reason is found by trying to open the file again for reading; a file
// that opens now gets the path alone.
QString ReadProblemDetail(const QString& path);

}  // namespace tarvel
