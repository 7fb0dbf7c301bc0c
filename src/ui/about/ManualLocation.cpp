#include "ManualLocation.h"

#include <QDir>
#include <QFileInfo>

namespace tarvel::ui {

QString ManualFileName(Language language)
{
    return language == Language::Czech ? QStringLiteral("manual-cs.html") : QStringLiteral("manual-en.html");
}

QString ManualPath(Language language, const QString& programDir)
{
    const QString name = ManualFileName(language);
    const QString installed =
        QDir::cleanPath(QDir(programDir).filePath(QStringLiteral(TARVEL_DOC_FROM_BIN "/") + name));
    const QString candidates[] = {installed, QDir(QStringLiteral(TARVEL_MANUAL_SOURCE_DIR)).filePath(name)};
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isFile())
            return QFileInfo(candidate).absoluteFilePath();
    return installed;
}

void SetManualAddresses(MessageTable& messages, const QString& programDir)
{
    messages.setManualUrls(ManualPath(Language::English, programDir).toStdString(),
                           ManualPath(Language::Czech, programDir).toStdString());
}

}  // namespace tarvel::ui
