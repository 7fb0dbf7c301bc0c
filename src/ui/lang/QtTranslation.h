// Qt's own texts (the file and print dialogs, the Yes/No/Cancel and OK
// buttons of message boxes) in the program's language, from the translations
// Qt ships (Debian: qt6-translations-l10n).
#pragma once

#include <QString>

#include "model/Messages.h"

namespace tarvel::ui {

// Installs Qt's translation for `language` in the application, replacing the
// one installed before; English needs none. False when the translation file
// is missing (Qt's texts then stay English).
bool UseQtTranslation(Language language);

// The folder the translations are read from: Qt's own translations folder.
QString QtTranslationFolder();

}  // namespace tarvel::ui
