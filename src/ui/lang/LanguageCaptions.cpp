#include "LanguageCaptions.h"

#include <QAction>
#include <QWidget>

#include "CaptionWriter.h"
#include "LanguageChoice.h"
#include "QtTranslation.h"
#include "present/TitleComposer.h"

namespace tarvel::ui {

namespace {

void checkLanguageItem(QObject& window, Language language)
{
    for (std::size_t i = 0; i < kLanguageMenuItems.size(); ++i) {
        const auto& name = kLanguageMenuItems[i];
        auto* item = window.findChild<QAction*>(QString::fromUtf8(name.data(), qsizetype(name.size())));
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

void ApplyCaptions(QWidget& window, Language language, MessageTable& messages, const QString& currentFile)
{
    checkLanguageItem(window, language);
    UseQtTranslation(language);
    window.setWindowTitle(ComposeWindowTitle(currentFile));
    CaptionWriter(window).write(language);
    messages.loadCaptionMessages(language);
    LoadMessages(window, language, messages);
}

void LoadMessages(QObject&, Language language, MessageTable& messages)
{
    messages.loadMessages(language);
}

}  // namespace tarvel::ui
