#include "Messages.h"

namespace tarvel {

namespace {

// clang-format off
constexpr MessageRow kRows[] = {
    {Msg::ManualUrl, Fill::Messages, {"manual URL", "manual URL", "manual URL", "manual URL"}},
    {Msg::ProgramError, Fill::Messages, {"Program error!", "Programmier Fehler", "Erreur de programmation!", "Chyba programování"}},
    {Msg::VerifyError, Fill::Messages, {"Verify error!", "Vergleichsfehler", "Verifier erreur!", "Chyba verifikace!"}},
    {Msg::ReadError, Fill::Messages, {"Read error!", "Lesefehler", "Lire erreur!", "Chyba čtení!"}},
    {Msg::ProgramDevice, Fill::Messages, {"Program device:", "Programmieren:", "Programmer:", "Programování:"}},
    {Msg::Verify, Fill::Messages, {"Verify:", "Vergleichen:", "Vérifier", "Verifikace:"}},
    {Msg::Read, Fill::Messages, {"Read:", "Lesen:", "Lire", "Čtení:"}},
    {Msg::Saving, Fill::Messages, {"Saving:", "Speichern:", "Mémorisation", "Ukládání:"}},
    {Msg::UnmatchedVersion, Fill::Both, {"Unmatched version of PC and Ignition programs!", "Programm der Zündung ist nicht kompatibel mit dem Programm am PC!", "Programme du boitier d´alumage non compatible avec programme PC!", "Neshodné verze proramu v PC a zapalování!"}},
    {Msg::Advance, Fill::Messages, {"Advance", "Vorzündung", "Avance", "Předstih"}},
    {Msg::NumberOfProgramming, Fill::Messages, {"Number of Programing= ", "Programmierungsanzahl= ", "Nombre de programmations= ", "Počet programování= "}},
    {Msg::MotorOff, Fill::Captions, {"Motor off", "Motor off", "Blocage", "Blokování"}},
    {Msg::Yes, Fill::Messages, {"YES", "JA", "Oui", "ANO"}},
    {Msg::No, Fill::Messages, {"NO", "NEIN", "Non", "NE"}},
    {Msg::ComOpeningError, Fill::Messages, {"Com opening error!", "Falscher COM-Anschlußes!", "Erreur connections PC!", "Chyba při otevírání portu Com!"}},
    {Msg::OpenFileError, Fill::Messages, {"Open file error!", "Fehler beim öffnen der Datei!", "Erreur ouvertur fichier!", "Chyba při otevírání souboru!"}},
    {Msg::DefaultSettingQuestion, Fill::Messages, {"Do you want default setting?", "Wollen Sie Standardeinstellungen öffnen?", "Voulez vous la programation de base?", "Chcete nastavit základní hodnoty?"}},
    {Msg::UnmatchedIgnFile, Fill::Messages, {"Unmatched version of *.ign file!", "Datendatei *.ign ist nicht kompatiebel!", "Programme du fichier non compatible avec programme PC!", "Neshodná verze souboru *.ign!"}},
    {Msg::NoReading, Fill::Messages, {"No reading!", "Lesen verboten!", "Pas axessible!", "Zákaz čtení!"}},
    {Msg::PrintDateTime, Fill::Messages, {"Date and time of printing:  ", "Zeitpunkt des Ausdruckes   ", "Date et heur de l´imprimé:   ", "Datum a čas tisku:  "}},
    {Msg::ManualOpenError, Fill::Messages, {"Error by opening file ", "Fehler beim öffnen der Datei ", "Erreur à l´ouvertur du Fichier ", "Chyba při otevírání souboru "}},
    {Msg::PickUpSystemError, Fill::Messages, {"Pick up system error                    ", "Gebersystemehler                        ", "Pick up system error                    ", "Chyba v snímacím systému                "}},
    {Msg::PickUp, Fill::Messages, {"Pick-up (CKPS)", "Geber(CKPS)", "Capteur(CKPS)", "Snímač (CKPS)"}},
    {Msg::IsRunning, Fill::Messages, {"is running", "läuft", " fonctionne", "pracuje"}},
    {Msg::NoSignal, Fill::Messages, {"no signal", " kein Signal", " pas de signal", "bez signálu"}},
    {Msg::ServoMeasured, Fill::Messages, {"Servo measured=", "Servo gemessene=", "Servo measured=", "Servo měřené="}},
    {Msg::ServoDesired, Fill::Messages, {"Servo desired=", "Servo Sollspanung=", "Servo desired=", "Servo požadované="}},
    {Msg::GearShiftLight, Fill::Captions, {"Gear Shift Light", "Schaltblitz", "Témoin de passage", "Kontrolka řazení"}},
    {Msg::ClutchMaster, Fill::Captions, {"Clutch master", "Schaltautomat", "Clutch master", "Clutch master"}},
    {Msg::StartLimiter, Fill::Captions, {"Start limiter", "Start Begrenzer", "Limitateur départ", "Startovací omezovač"}},
    {Msg::Limiter, Fill::Captions, {"Limiter", "Begrenzer", "Limitateur", "Omezovač"}},
    {Msg::Open, Fill::Both, {"Open", "Offen", "Open", "Otevřený"}},
    {Msg::Grounded, Fill::Both, {"Grounded", "zu Erde", "Grounded", "Uzeměn"}},
    {Msg::Disconnected, Fill::Captions, {"  (Disconnected by bootloader)", "  (Disconnected by bootloader)", "  (Disconnected by bootloader)", "  (Dočasně odpojeno bootloaderem)"}},
};
// clang-format on

constexpr bool rowsInOrder()
{
    for (std::size_t i = 0; i < std::size(kRows); ++i)
        if (static_cast<std::size_t>(kRows[i].id) != i)
            return false;
    return std::size(kRows) == kMessageCount;
}
static_assert(rowsInOrder(), "one row per message, in the order of Msg");

}  // namespace

std::span<const MessageRow> messageRows()
{
    return kRows;
}

void MessageTable::setManualUrls(std::string english, std::string czech)
{
    manualEnglish_ = std::move(english);
    manualCzech_ = std::move(czech);
}

void MessageTable::fill(Language language, bool messages)
{
    const auto lang = static_cast<std::size_t>(language) % kLanguageCount;
    for (const MessageRow& row : kRows) {
        const bool wanted = row.fill == Fill::Both || (row.fill == Fill::Messages) == messages;
        if (wanted)
            slots_[static_cast<std::size_t>(row.id)] = row.text[lang];
    }
    if (messages) {
        std::string& url = slots_[static_cast<std::size_t>(Msg::ManualUrl)];
        url = language == Language::Czech ? manualCzech_ : manualEnglish_;
        slots_[static_cast<std::size_t>(Msg::ManualOpenError)] =
            std::string(kRows[static_cast<std::size_t>(Msg::ManualOpenError)].text[lang]) + url + " !";
    }
}

void MessageTable::loadMessages(Language language)
{
    fill(language, true);
}

void MessageTable::loadCaptionMessages(Language language)
{
    fill(language, false);
}

void MessageTable::loadAll(Language language)
{
    loadCaptionMessages(language);
    loadMessages(language);
}

std::string_view MessageTable::byEnglish(std::string_view english) const
{
    for (const MessageRow& row : kRows)
        if (english == row.text[0])
            return slots_[static_cast<std::size_t>(row.id)];
    return {};
}

}  // namespace tarvel
