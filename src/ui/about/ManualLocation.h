// Where the user manuals are: HTML files installed beside the program (in the
// documentation folder of its prefix), opened as local files because a
// workshop PC is often offline. English serves English, German and French.
#pragma once

#include <QString>

#include "model/Messages.h"

namespace tarvel::ui {

QString ManualFileName(Language language);

// The manual of `language` for a program living in `programDir`: the
// installed copy if there is one, otherwise the copy in the source tree the
// program was built from, otherwise the installed path (which the error
// message then names).
QString ManualPath(Language language, const QString& programDir);

// Gives the message table its two addresses.
void SetManualAddresses(MessageTable& messages, const QString& programDir);

}  // namespace tarvel::ui
