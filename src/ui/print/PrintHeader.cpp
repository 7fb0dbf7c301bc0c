#include "PrintHeader.h"

#include <array>

namespace tarvel::ui {

namespace {

// The locale's long time format names the time zone; the header shows hours,
// minutes and seconds like a clock, so the zone is left out.
QString longTimeFormatWithoutZone(const QLocale& locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString kept;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        if (!quoted && c == u't')
            continue;
        kept += c;
    }
    return kept.simplified();
}

// clang-format off
constexpr std::array<const char*, kLanguageCount> kNoPrinter = {
    "No printer is installed on this computer. Nothing was printed.",
    "Auf diesem Computer ist kein Drucker eingerichtet. Es wurde nichts gedruckt.",
    "Aucune imprimante n'est installée sur cet ordinateur. Rien n'a été imprimé.",
    "Na tomto počítači není nainstalována žádná tiskárna. Nic nebylo vytištěno.",
};
constexpr std::array<const char*, kLanguageCount> kPrintFailed = {
    "Printing failed.",
    "Der Druck ist fehlgeschlagen.",
    "L'impression a échoué.",
    "Tisk se nezdařil.",
};
// clang-format on

}  // namespace

QString PrintHeader(const QString& prefix, const QDateTime& now, const QLocale& locale)
{
    return prefix + locale.toString(now.date(), QLocale::ShortFormat) + QStringLiteral("    ") +
           locale.toString(now.time(), longTimeFormatWithoutZone(locale));
}

QString PrintProblemText(bool noPrinter, Language language, const QString& printerError)
{
    const auto lang = static_cast<std::size_t>(language) % kLanguageCount;
    QString text = QString::fromUtf8(noPrinter ? kNoPrinter[lang] : kPrintFailed[lang]);
    if (!noPrinter && !printerError.isEmpty())
        text += QStringLiteral(" (") + printerError + u')';
    return text;
}

}  // namespace tarvel::ui
