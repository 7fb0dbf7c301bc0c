// The status-label text of a print: the message "Date and time of printing:  "
// of the current language, the short date, four blanks, the long time.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include "model/Messages.h"

namespace tarvel::ui {

QString PrintHeader(const QString& prefix, const QDateTime& now, const QLocale& locale = QLocale());

// The message shown when a print command could not print, in `language`;
// `printerError` is what the printing system said, if anything.
QString PrintProblemText(bool noPrinter, Language language, const QString& printerError);

}  // namespace tarvel::ui
