#include "CompareTexts.h"

#include <array>

namespace tarvel::present {

namespace {

using Texts = std::array<std::string_view, kLanguageCount>;  // English, German, French, Czech

// clang-format off
constexpr std::array<Texts, static_cast<std::size_t>(CompareText::Count)> kTexts = {{
    {"Compare with unit", "Mit Zündung vergleichen", "Comparer avec l'allumage", "Porovnat se zapalováním"},
    {"Compare with file...", "Mit Datei vergleichen...", "Comparer avec un fichier...", "Porovnat se souborem..."},
    {"Tune history...", "Programmierverlauf...", "Historique des réglages...", "Historie programování..."},
    {"Differences: window and ignition", "Unterschiede: Fenster und Zündung", "Différences : fenêtre et allumage", "Rozdíly: okno a zapalování"},
    {"Differences: window and %1", "Unterschiede: Fenster und %1", "Différences : fenêtre et %1", "Rozdíly: okno a %1"},
    {"Differences: window and the tune of %1", "Unterschiede: Fenster und Programmierung vom %1", "Différences : fenêtre et réglage du %1", "Rozdíly: okno a programování z %1"},
    {"Tab", "Registerkarte", "Onglet", "Záložka"},
    {"Field", "Feld", "Champ", "Položka"},
    {"Position", "Position", "Position", "Pozice"},
    {"Window", "Fenster", "Fenêtre", "Okno"},
    {"Ignition", "Zündung", "Allumage", "Zapalování"},
    {"File", "Datei", "Fichier", "Soubor"},
    {"History", "Verlauf", "Historique", "Historie"},
    {"Take", "Übernehmen", "Prendre", "Převzít"},
    {"Take all", "Alle übernehmen", "Tout prendre", "Převzít vše"},
    {"Keep all", "Alle behalten", "Tout garder", "Ponechat vše"},
    {"Apply", "Anwenden", "Appliquer", "Použít"},
    {"Cancel", "Abbrechen", "Annuler", "Zrušit"},
    {"Close", "Schließen", "Fermer", "Zavřít"},
    {"row %1, column %2", "Zeile %1, Spalte %2", "ligne %1, colonne %2", "řádek %1, sloupec %2"},
    {"column %1", "Spalte %1", "colonne %1", "sloupec %1"},
    {"Yes", "Ja", "Oui", "Ano"},
    {"No", "Nein", "Non", "Ne"},
    {"Other", "Sonstige", "Autres", "Ostatní"},
    {"Ignitions per revolution", "Zündungen pro Umdrehung", "Allumages par tour", "Zapalování na otáčku"},
    {"Advance [°]", "Vorzündung [°]", "Avance [°]", "Předstih [°]"},
    {"Tune history", "Programmierverlauf", "Historique des réglages", "Historie programování"},
    {"Date", "Datum", "Date", "Datum"},
    {"Bike", "Motorrad", "Moto", "Motocykl"},
    {"Ignition", "Zündung", "Allumage", "Zapalování"},
    {"Differences", "Unterschiede", "Différences", "Rozdíly"},
    {"Compare with window", "Mit Fenster vergleichen", "Comparer avec la fenêtre", "Porovnat s oknem"},
    {"Load into window", "In Fenster laden", "Charger dans la fenêtre", "Načíst do okna"},
    {"No programming recorded yet", "Noch keine Programmierung aufgezeichnet", "Aucune programmation enregistrée", "Zatím není zaznamenáno žádné programování"},
    {"Nothing is sent to the ignition from here.", "Von hier wird nichts an die Zündung gesendet.", "Rien n'est envoyé à l'allumage depuis cette fenêtre.", "Odsud se do zapalování nic neposílá."},
    {"Autosave failed: %1", "Automatisches Speichern fehlgeschlagen: %1", "Échec de la sauvegarde automatique : %1", "Automatické uložení selhalo: %1"},
    {"Tune history not written: %1", "Programmierverlauf nicht geschrieben: %1", "Historique non écrit : %1", "Historie programování nezapsána: %1"},
}};
// clang-format on

}  // namespace

std::string_view compareText(CompareText id, Language language)
{
    return kTexts[static_cast<std::size_t>(id)][static_cast<std::size_t>(language)];
}

std::string fill(std::string_view pattern, std::string_view one, std::string_view two)
{
    std::string out;
    out.reserve(pattern.size() + one.size() + two.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
            out += pattern[i + 1] == '1' ? one : two;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string fieldsDiffer(int count, Language language)
{
    const std::string n = std::to_string(count);
    switch (language) {
        case Language::German:
            return count == 0   ? "Keine Felder unterschiedlich"
                   : count == 1 ? "1 Feld unterschiedlich"
                                : n + " Felder unterschiedlich";
        case Language::French:
            return count == 0 ? "Aucun champ ne diffère" : count == 1 ? "1 champ diffère" : n + " champs diffèrent";
        case Language::Czech:
            if (count == 0)
                return "Žádná položka se neliší";
            if (count == 1)
                return "1 položka se liší";
            return n + (count <= 4 ? " položky se liší" : " položek se liší");
        case Language::English:
            break;
    }
    return count == 0 ? "No fields differ" : count == 1 ? "1 field differs" : n + " fields differ";
}

}  // namespace tarvel::present
