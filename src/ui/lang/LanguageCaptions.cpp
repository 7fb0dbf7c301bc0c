#include "LanguageCaptions.h"

#include <QAction>
#include <QWidget>

#include "CaptionWriter.h"
#include "LanguageChoice.h"
#include "QtTranslation.h"
#include "present/TitleComposer.h"

namespace tarvel::ui {

namespace {

void checkLanguageItem(const LanguageItems& items, Language language)
{
    for (std::size_t i = 0; i < items.size(); ++i) {
        QAction* item = items[i];
        if (!item)
            continue;
        item->setCheckable(true);
        item->setChecked(static_cast<std::size_t>(language) == i);
    }
}

}  // namespace

QString ComposeWindowTitle(const QString& currentFile, const QString& suffix)
{
    return QString::fromStdString(present::windowTitle(currentFile.toStdString(), suffix.toStdString()));
}

void ApplyCaptions(QWidget& window, const CaptionWriter& captions, const LanguageItems& languageItems,
                   Language language, MessageTable& messages, const QString& currentFile)
{
    checkLanguageItem(languageItems, language);
    UseQtTranslation(language);
    window.setWindowTitle(ComposeWindowTitle(currentFile));
    captions.write(language);
    messages.loadCaptionMessages(language);
    LoadMessages(window, language, messages);
}

void LoadMessages(QObject&, Language language, MessageTable& messages)
{
    messages.loadMessages(language);
}

}  // namespace tarvel::ui
