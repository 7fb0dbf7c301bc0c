#include "datalog/LogStatusText.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace tarvel::datalog {

namespace {

using Texts = std::array<std::string_view, kLanguageCount>;  // English, German, French, Czech

std::string_view pick(const Texts& texts, Language language)
{
    const auto i = static_cast<std::size_t>(language);
    return i < texts.size() ? texts[i] : texts[0];
}

constexpr Texts kRecording{"Recording", "Aufzeichnung", "Enregistrement", "Záznam"};
constexpr Texts kRecords{"records", "Datensätze", "enregistrements", "záznamů"};
constexpr Texts kReplay{"REPLAY", "WIEDERGABE", "RELECTURE", "PŘEHRÁVÁNÍ"};
constexpr Texts kPaused{"paused", "angehalten", "en pause", "pozastaveno"};

// In the order of LogText.
constexpr std::array<Texts, static_cast<std::size_t>(LogText::Count)> kLogTexts{{
    {"Start recording", "Aufzeichnung starten", "Démarrer l'enregistrement", "Spustit záznam"},
    {"Open log for replay", "Aufzeichnung wiedergeben", "Ouvrir un journal pour relecture", "Přehrát záznam"},
    {"Logs", "Aufzeichnungen", "Journaux", "Záznamy"},
    {"Marker", "Markierung", "Marqueur", "Značka"},
    {"Text of the marker:", "Text der Markierung:", "Texte du marqueur :", "Text značky:"},
    {"The log could not be started.", "Die Aufzeichnung konnte nicht gestartet werden.",
     "Le journal n'a pas pu être démarré.", "Záznam se nepodařilo spustit."},
    {"The log was not written completely.", "Die Aufzeichnung wurde nicht vollständig geschrieben.",
     "Le journal n'a pas été écrit entièrement.", "Záznam nebyl zapsán celý."},
    {"The log was stopped: it could not be written.",
     "Die Aufzeichnung wurde beendet: sie konnte nicht geschrieben werden.",
     "Le journal a été arrêté : il n'a pas pu être écrit.", "Záznam byl zastaven: nepodařilo se jej zapsat."},
    {"The log could not be opened for replay.", "Die Aufzeichnung konnte nicht zur Wiedergabe geöffnet werden.",
     "Le journal n'a pas pu être ouvert pour la relecture.", "Záznam se nepodařilo otevřít k přehrávání."},
    {"no records", "keine Datensätze", "aucun enregistrement", "žádné záznamy"},
}};

}  // namespace

std::string_view logText(LogText id, Language language)
{
    const auto i = static_cast<std::size_t>(id);
    return i < kLogTexts.size() ? pick(kLogTexts[i], language) : std::string_view();
}

std::string clockText(double seconds)
{
    const long total = std::isfinite(seconds) && seconds > 0 ? static_cast<long>(seconds) : 0;
    char buffer[32];
    if (total >= 3600)
        std::snprintf(buffer, sizeof buffer, "%ld:%02ld:%02ld", total / 3600, total / 60 % 60, total % 60);
    else
        std::snprintf(buffer, sizeof buffer, "%02ld:%02ld", total / 60, total % 60);
    return buffer;
}

std::string recordingStatus(Language language, std::string_view fileName, std::size_t records, double seconds)
{
    std::string out(pick(kRecording, language));
    out += ' ';
    out += fileName;
    out += ": " + std::to_string(records) + ' ';
    out += pick(kRecords, language);
    out += ", " + clockText(seconds);
    return out;
}

std::string replayStatus(Language language, std::string_view fileName, double elapsed, double duration, int speed,
                         bool playing)
{
    std::string out(pick(kReplay, language));
    out += ' ';
    out += fileName;
    out += "  " + clockText(elapsed) + " / " + clockText(duration) + "  " + std::to_string(speed) + 'x';
    if (!playing) {
        out += "  ";
        out += pick(kPaused, language);
    }
    return out;
}

std::string replayTitleNote(Language language, std::string_view fileName)
{
    std::string out("[");
    out += pick(kReplay, language);
    out += ' ';
    out += fileName;
    out += ']';
    return out;
}

std::string defaultLogName(std::int64_t unixTime)
{
    const std::time_t t = static_cast<std::time_t>(unixTime);
    std::tm local{};
    localtime_r(&t, &local);
    char buffer[64];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%d_%H-%M-%S.mlg", &local);
    return buffer;
}

}  // namespace tarvel::datalog
