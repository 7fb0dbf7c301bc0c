#include "QtTranslation.h"

#include <array>
#include <memory>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "model/LogSink.h"

namespace tarvel::ui {

namespace {

// Qt's catalogue names of the four languages; English is Qt's own.
constexpr std::array<const char*, kLanguageCount> kCatalogues = {nullptr, "qtbase_de", "qtbase_fr", "qtbase_cs"};

std::unique_ptr<QTranslator>& installed()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

}  // namespace

QString QtTranslationFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool UseQtTranslation(Language language)
{
    if (!QCoreApplication::instance())
        return false;
    std::unique_ptr<QTranslator>& current = installed();
    if (current) {
        QCoreApplication::removeTranslator(current.get());
        current.reset();
    }
    const char* catalogue = kCatalogues[static_cast<std::size_t>(language) % kLanguageCount];
    if (!catalogue)
        return true;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QString::fromLatin1(catalogue), QtTranslationFolder())) {
        log::write(log::Area::Ui, std::string("Qt translation not found: ") + catalogue + " in " +
                                      QtTranslationFolder().toStdString());
        return false;
    }
    QCoreApplication::installTranslator(translator.get());
    current = std::move(translator);
    return true;
}

}  // namespace tarvel::ui
