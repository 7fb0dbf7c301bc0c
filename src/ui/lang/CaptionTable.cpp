#include "CaptionTable.h"

#include <string>

namespace tarvel::ui {

namespace {

using Kind = CaptionKind;

// clang-format off
// Texts that several targets share.
constexpr LangTexts kReadCaption = {"&Read", "&Lesen", "&Lire", "Čí&st"};
constexpr LangTexts kVerifyCaption = {"&Verify", "&Vergleichen", "&Verifier", "&Verifikace"};
constexpr LangTexts kProgramCaption = {"&Program", "&Programmieren", "&Programer", "&Programovat"};
constexpr LangTexts kServoCaption = {"Servo", "Servo", "Servo", "Servo"};
constexpr LangTexts kMaximumAdvance = {"Maximum advance", "Maximal Vorzündung", "Maximum advance", "Maximální předstih"};
constexpr LangTexts kStartAdvance = {"Start advance", "Start Vorzündung", "Start advance", "Startovací předstih"};
constexpr LangTexts kChannel = {"Channel", "Kanal", "Channel", "Kanál"};
constexpr LangTexts kInversePolarity = {"Inverse polarity of pick-up", "Umgekehrte Gebereingang", "Inverse polarity of pick-up", "Opačná polarita snímače"};
constexpr LangTexts kAll = {"All", "Alles", "Tout", "Vše"};
constexpr LangTexts kDelay = {"Delay [ms]", "Verspätung [ms]", "Délai [ms]", "Zpoždění [ms]"};
constexpr LangTexts kBuildUpTime = {"Build up Time [ms]", "Anlauf [ms]", "Temps de montée [ms]", "Náběh [ms]"};
constexpr LangTexts kAdvanceDegrees = {"Advance [°]", "Vorzündung [°]", "Avance [°]", "Předstih [°]"};
constexpr LangTexts kOpenHint = {"Open file with parametrs", "Kenndatendatei öffnen", "Ouvrir fichier avec paramètres", "Otevření souboru s parametry"};
constexpr LangTexts kSaveHint = {"Save parametrs to file", "Kenndaten in Datei speichern", "Sauvegarder les paramètres", "Uložení parametrů do souboru"};
constexpr LangTexts kPrintHint = {"Print parametrs", "Kenndaten Drucken", "Imprimer paramètres", "Tisk parametrů"};
constexpr LangTexts kProgramHint = {"Programing  set parametrs to ignition", "Kenndaten in die Zündung programmieren", "Programer les paramètres dans ECU", "Programování nastavených parametrů do zapalování"};
constexpr LangTexts kVerifyHint = {"Compare set parametrs  with parametrs of ignition", "Kenndaten mit Zündungskenndaten vergleichen", "Comparer les paramètres de ECU", "Ověření zda  nastavené parametry souhlasí s parametry naprogramovanými do zapalování"};
constexpr LangTexts kReadHint = {"Reading parametrs from ignition", "Kenndaten aus Zündung lesen", "Lire paramètres ECU", "Čtení parametrů ze zapalování"};

constexpr CaptionRow kRows[] = {
    {"LabelSpojeni", Kind::Caption, {"No connection with PC", "Keine Verbindung zum PC", "Pas de connection acec pc", "Není spojení s PC"}},
    {"MenuFile", Kind::MenuItem, {"&File", "&Datei", "&Fichier", "&Soubor"}},
    {"MenuNew", Kind::MenuItem, {"&New", "&Neu", "&Nouveau", "&Nový"}},
    {"MenuOpen", Kind::MenuItem, {"&Open", "&Öffnen", "&Ouvrir", "&Otevřít"}},
    {"MenuOpenExeDir", Kind::MenuItem, {"Open from exe dir", "Öffnen aus exe dir", "Open from exe dir", "Otevřít z exe dir"}},
    {"MenuSave", Kind::MenuItem, {"&Save", "&Speichern", "&Mèmoriser", "&Uložit"}},
    {"MenuSaveExeDir", Kind::MenuItem, {"Save to exe dir", "Speichern in exe dir", "Save to exe dir", "Uložit do exe dir"}},
    {"MenuPrint", Kind::MenuItem, {"&Print", "&Drucken", "&Imprimer", "&Tisk"}},
    {"MenuPrintAll", Kind::MenuItem, {"Print all", "Drucken alles", "&Imprimer tout", "Tisk vše"}},
    {"MenuExit", Kind::MenuItem, {"E&xit", "&Beenden", "&Sortir", "&Konec"}},
    {"MenuCom", Kind::MenuItem, {"&Com", "&COM-Anschluß", "&Connection com", "&Port"}},
    {"MenuDevice", Kind::MenuItem, {"&Ignition", "&Zündung", "&Allumage", "&Zapalování"}},
    {"MenuRead", Kind::MenuItem, kReadCaption},
    {"ButtonRead", Kind::Caption, kReadCaption},
    {"MenuVerify", Kind::MenuItem, kVerifyCaption},
    {"BitBtnVerify", Kind::Caption, kVerifyCaption},
    {"MenuProgram", Kind::MenuItem, kProgramCaption},
    {"BitBtnProgram", Kind::Caption, kProgramCaption},
    {"MenuTools", Kind::MenuItem, {"Tools", "Werkzeuge", "Outillage", "Pomůcky"}},
    {"AdvanceMinus", Kind::MenuItem, {"Advance -", "Vorzündung -", "Advance -", "Předstih -"}},
    {"AdvancePlus", Kind::MenuItem, {"Advance +", "Vorzündung +", "Advance +", "Předstih +"}},
    {"MenuZpet", Kind::MenuItem, {"Undo", "Zurück", "Undo", "Zpet"}},
    {"MenuZnovu", Kind::MenuItem, {"Redo", "Wieder", "Redo", "Znovu"}},
    {"MenuLog", Kind::MenuItem, {"Lo&g", "&Aufzeichnung", "&Journal", "Záz&nam"}},
    {"MenuLogStart", Kind::MenuItem, {"Start recording...", "Aufzeichnung starten...", "Démarrer l'enregistrement...", "Spustit záznam..."}},
    {"MenuLogStop", Kind::MenuItem, {"Stop recording", "Aufzeichnung beenden", "Arrêter l'enregistrement", "Zastavit záznam"}},
    {"MenuLogMarker", Kind::MenuItem, {"Marker", "Markierung", "Marqueur", "Značka"}},
    {"MenuLogReplay", Kind::MenuItem, {"Open log for replay...", "Aufzeichnung wiedergeben...", "Ouvrir un journal pour relecture...", "Přehrát záznam..."}},
    {"MenuLogReplayClose", Kind::MenuItem, {"Close replay", "Wiedergabe schließen", "Fermer la relecture", "Zavřít přehrávání"}},
    {"MenuLogCharts", Kind::MenuItem, {"Charts...", "Diagramme...", "Graphiques...", "Grafy..."}},
    {"MenuLanguage", Kind::MenuItem, {"&Language", "&Sprache", "&Langue", "&Jazyk"}},
    {"MenuEnglish", Kind::MenuItem, {"&English", "Englisch", "&Englais", "&Anglicky"}},
    {"MenuGerman", Kind::MenuItem, {"&German", "&Deutsch", "&Allemand", "&Německy"}},
    {"MenuFrench", Kind::MenuItem, {"&French", "&Französisch", "&Francais", "Francouzky"}},
    {"MenuCzech", Kind::MenuItem, {"&Czech", "&Tschechisch", "&Tchèque", "Če&sky"}},
    {"MenuHelp", Kind::MenuItem, {"&Help", "&Hilfe", "&Aide", "Nápověda"}},
    {"MenuContens", Kind::MenuItem, {"&Contents...", "&Inhalt...", "&Contenu", "Obsah"}},
    {"MenuAbout", Kind::MenuItem, {"&About...", "&Über Programm...", "&Contenu du programme", "&O programu..."}},
    {"TabSheetRuzne", Kind::Caption, {"Miscellaneous", "Verschiedene", "&Divergeant", "Různé"}},
    {"TabSheetBike", Kind::Caption, {"Bike", "Mottorad", "&Motocycle", "Motocykl"}},
    {"TabSheetAdvance", Kind::Caption, {"Advance Map", "Vorzündung Karte", "&Avance carte", "Mapa předstihu"}},
    {"TabSheetServo", Kind::Caption, kServoCaption},
    {"GroupBoxPrivera", Kind::Caption, kServoCaption},
    {"TabSheet_Gas", Kind::Caption, {"N2O Controller", "N2O Kontroller", "N2O Controller", "Řízení N2O"}},
    {"LabelBike", Kind::Caption, {"Motorbike type", "Mottorad Type", "&Motocycle type", "Typ motocyklu"}},
    // Rows of the lists; the other rows keep their single text.
    {"ComboBoxBike", Kind::ListRow, {"Classic (1 lobe, 1 or 2 pick-up) ", "Klassisch (1 Leitst. 1 od. 2 Geber)", "Classique (1 lobe, 1 or 2 pick-up) ", "Klasika (1 výstupek, 1 nebo 2 snimače)"}, "", 11},
    {"ComboBoxBike", Kind::ListRow, {"Classic (2 lobe per revolution, 1 or 2 pick-up)", "Klassisch (2 Leitst. pro Umdreh. 1 od. 2 Geber)", "Classic (2 lobe per revolution, 1 or 2 pick-up)", "Klasika (2 výstupek za otáčku, 1 n 2 snimače)"}, "", 12},
    {"ComboBoxBike", Kind::ListRow, {"Classic (3 lobe per revolution, 1 pick-up)", "Klassisch (3 Leitst. pro Umdreh. 1 Geber)", "Classic (3 lobe per revolution, 1 pick-up)", "Klasika (3 výstupky za otáčku, 1 snimač)"}, "", 13},
    {"ComboBoxBike", Kind::ListRow, {"Classic (1 lobe per 2 rev. (CMPS), 1 or 2 pick-up)", "Klassisch (1 L. pro 2 Um. (CMPS) 1 od. 2 Geber)", "Classic (1 lobe per 2 rev. (CMPS), 1 or 2 pick-up)", "Klasika (1 výst. za 2 ot. (vačka), 1 n 2 snimače)"}, "", 14},
    {"ComboBoxBike", Kind::ListRow, {"Special setting", "Sonderstellung", "Spécial ajustage", "Speciální nastavení"}, "", 31},
    {"LabelSynchro", Kind::Caption, {"Synchronization method", "Synchronisierung Methode", "Synchronization method", "Způsob synchronizace"}},
    {"ComboBoxSynchro", Kind::ListRow, {"1 lobe, 1 or 2 pick-up", "1 Leitstück, 1 oder 2 Geber", "1 lobe, 1 or 2 pick-up", "1 výstupek, 1 nebo 2 snimače"}, "", 0},
    {"ComboBoxSynchro", Kind::ListRow, {"Short gap between lobes (inserted lobe)", "Kurz Abstand zwischen Leitstücken (eingeschiebe Leitstück)", "Short gap between lobes (inserted lobe)", "Krátká mezera mezi výstupky (vsunutý výstupek)"}, "", 1},
    {"ComboBoxSynchro", Kind::ListRow, {"Wide lobe", "Längere Leitstück", "Wide lobe", "Široký výstupek"}, "", 2},
    {"ComboBoxSynchro", Kind::ListRow, {"Long gap between lobes (missing lobe)", "Lang Abstand zwischen Leitstücken (ausgelassene Leitstück)", "Long gap between lobes (missing lobe)", "Dlouhá mezera mezi výstupky (vynechaný výstupek)"}, "", 3},
    {"ComboBoxSynchro", Kind::ListRow, {"2 pick-ups, missing lobe", "2 Geber, ausgelassene Leitstück", "2 pick-ups, missing lobe", "2 snímače vynechané výstupky"}, "", 4},
    {"ComboBoxSynchro", Kind::ListRow, {"2 Short gaps between lobes (inserted lobe)", "2 Kurze Abstände zwischen Leitstücken (eingeschiebe Leitstück)", "2 short gaps between lobes (inserted lobe)", "2 krátké mezery mezi výstupky (vsunutý výstupek)"}, "", 5},
    {"ComboBoxSynchro", Kind::ListRow, {"Cam (CMPS)", "Steuernocken (CMPS)", "Cam (CMPS)", "Vačka (CMPS)"}, "", 6},
    {"ComboBoxSynchro", Kind::ListRow, {"Long gap between lobes - more lobes (48-2)", "Lang Abstand zwischen Leitstücken - mehr Leitstücke (48-2)", "Long gap between lobes - more lobes (48-2)", "Dlouhá mezera mezi výstupky - více výstupků (48-2)"}, "", 8},
    {"ComboBoxNasobekPalcu", Kind::ListRow, {"1 ignition per revolution", "1 Zündung pro Umdrehung", "1 ignition per revolution", "1 zápal za otáčku"}, "", 0},
    {"ComboBoxNasobekPalcu", Kind::ListRow, {"2 ignitions per revolution", "2 Zündungen pro Umdrehung", "2 ignitions per revolution", "2 zápaly za otáčku"}, "", 1},
    {"ComboBoxNasobekPalcu", Kind::ListRow, {"3 ignitions per revolution", "3 Zündungen pro Umdrehung", "3 ignitions per revolution", "3 zápaly za otáčku"}, "", 2},
    {"ComboBoxNasobekPalcu", Kind::ListRow, {"1 ignition per 2 revolutions (camshaft)", "1 Zündung pro 2 Umdrehungen (Nockenwelle)", "1 ignition per 2 revolutions (camshaft)", "1 zápal za 2 otáčky (vačkový hřídel)"}, "", 3},
    {"GroupBoxSpecial", Kind::Caption, {"Specification of synchronization - Caution - For experienced user only!", "Spezifikation der Synchronisierung - Achtung - Nur für Erfahrungsanwender!", "Specification of synchronization - Caution - For experienced user only!", "Popis synchronizace - Pozor - pouze pro zkušené uživatele!"}},
    {"LabelPocPalcu", Kind::Caption, {"Number of lobe at rotor", "Leistückzahl des Rotors", "Number of lobe at rotor", "Počet výstupků na rotoru"}},
    {"LabelPocKanalu", Kind::Caption, {"Number of outputs (coils)", "Ausgangsanzahl (Spulen)", "Number of outputs (coils)", "Počet výstupů (cívek)"}},
    {"LabelPalec1Zac", Kind::Caption, kMaximumAdvance},
    {"LabelPalec2Zac", Kind::Caption, kMaximumAdvance},
    {"LabelPalec3Zac", Kind::Caption, kMaximumAdvance},
    {"LabelPalec4Zac", Kind::Caption, kMaximumAdvance},
    {"LabelPalec1End", Kind::Caption, kStartAdvance},
    {"LabelPalec2End", Kind::Caption, kStartAdvance},
    {"LabelPalec3End", Kind::Caption, kStartAdvance},
    {"LabelPalec4End", Kind::Caption, kStartAdvance},
    {"LabelLobe", Kind::Caption, {"Lobe", "Leitstück", "Lobe", "Výstupek"}},
    {"LabelHrana2", Kind::Caption, {"2nd Edge", "2. Kante", "2nd Edge", "2. Hrana"}},
    {"LabelSnimac2", Kind::Caption, {"2nd Pick-up", "2. Geber", "2nd Pick-up", "2. Snímač"}},
    {"LabelPocSynchro", Kind::Caption, {"Revolutions without ignition", "Umdrehungen ohne Zündung", "Revolutions without ignition", "Počet otáček bez zápalu"}},
    {"GroupBoxPalec1", Kind::Caption, kChannel, " 1"},
    {"GroupBoxPalec2", Kind::Caption, kChannel, " 2"},
    {"GroupBoxPalec3", Kind::Caption, kChannel, " 3"},
    {"GroupBoxPalec4", Kind::Caption, kChannel, " 4"},
    {"CheckBoxInvInput1", Kind::Caption, kInversePolarity, " 1"},
    {"CheckBoxInvInput2", Kind::Caption, kInversePolarity, " 2"},
    {"LabelPilotLight", Kind::Caption, {"Gear Shift Light", "Schaltblitz", "Témoin de passage", "Kontrolka řazení"}, " [rpm]"},
    {"CheckBoxProgHned", Kind::Caption, {"Programming after change", "Programmierung nach Änderung", "Sovegarde après modification", "Programování po změně"}},
    {"CheckBoxZakazCteni", Kind::Caption, {"No Reading", "Lesen Verboten", "Pas axessible", "Zákaz čtení"}},
    {"CheckBoxIgnAll", Kind::Caption, kAll},
    {"CheckBoxServoAll", Kind::Caption, kAll},
    {"LabelGasD", Kind::Caption, kDelay},
    {"LabelRetardD", Kind::Caption, kDelay},
    {"LabelGasT", Kind::Caption, kBuildUpTime},
    {"LabelRetardT", Kind::Caption, kBuildUpTime},
    {"LabelN2O_TPSmin", Kind::Caption, {"TPS min [%]", "TPS min [%]", "TPS min [%]", "TPS min [%]"}},
    {"LabelKompenz", Kind::Caption, {"Compensation ", "Kompensation ", "Compensation ", "Kompenzace "}},
    {"GroupBoxRpm", Kind::Caption, {"Tachometer output", "Drehzählerausgang", "Tachometer output", "Výstup pro otáčkoměr"}},
    {"LabelRpmPulsu", Kind::Caption, {"Pulses per revolution", "Pulse pro Umdrehung", "Pulses per revolution", "Počet pulsů za otáčku"}},
    {"LabelRpmKorekce", Kind::Caption, {"Correction [%]", "Korrektion [%]", "Correction [%]", "Korekce [%]"}},
    {"CheckBoxBuzDlouhe", Kind::Caption, {"Excitation Long", "Anfachung lange", "Excitation Long", "Buzení dlouhé"}},
    {"LabelServoHyster", Kind::Caption, {"Servo Hysteresis [mV]", "Servo Hysteresis [mV]", "Servo Hysteresis [mV]", "Hystereze serva [mV]"}},
    {"CheckBoxPrivEnable", Kind::Caption, {"Servo enable", "Servo ein", "Servo enable", "Servo zapnuto"}},
    {"LabelAdvance1", Kind::Caption, kAdvanceDegrees},
    {"LabelAdvance2", Kind::Caption, kAdvanceDegrees},
    {"LabelOmez2", Kind::Caption, {"Limiter [rpm]", "Begrenzer [rpm]", "Limitateur [rpm]", "Omezovač [rpm]"}},
    {"LabelClutchTime", Kind::Caption, {"Clutch master time [ms]", "Schaltautomat Zeit [ms]", "Clutch master time [ms]", "Clutch master čas [ms]"}},
    {"LabelClutchPause", Kind::Caption, {"Clutch master pause [ms]", "Schaltautomat Pause [ms]", "Clutch master pause [ms]", "Clutch master pauza [ms]"}},
    {"LabelBaseAdv", Kind::Caption, {"Base advance [°]", "Basis Vorzündung [°]", "Avance de base [°]", "Základní předstih [°]"}},
    {"LabelFile1", Kind::Caption, {"File:", "Datei:", "Fichier:", "Soubor:"}},
    {"CheckBoxGas", Kind::Caption, {"N2O Enabled", "N2O zulassen", "N2O Enable", "N2O povolen"}},
    {"GroupBoxGas", Kind::Caption, {"N2O", "N2O", "N2O", "N2O"}},
    {"LabelGas1", Kind::Caption, {"N2O 1 [%]", "N2O 1 [%]", "N2O 1 [%]", "N2O 1 [%]"}},
    {"LabelGas2", Kind::Caption, {"N2O 2 [%]", "N2O 2 [%]", "N2O 2 [%]", "N2O 2 [%]"}},
    {"GroupBoxRetard", Kind::Caption, {"Retard", "Spätzündung", "Retard", "Snížení předstihu"}},
    {"LabelRetard1", Kind::Caption, {"Retard 1 [°]", "Spätzündung 1 [°]", "Retard 1 [°]", "Snížení předstihu 1 [°]"}},
    {"LabelRetard2", Kind::Caption, {"Retard 2 [°]", "Spätzündung 2 [°]", "Retard 2 [°]", "Snížení předstihu 2 [°]"}},
    {"LabelN2O_Repeat", Kind::Caption, {"Repetition rate [Hz]", "Wiederholrate [Hz]", "Repetition rate [Hz]", "Opakovací frekvence [Hz]"}},

    // Hints. None but LabelRpm1's has a "|", so tooltip and status bar show the whole text.
    {"MenuLanguage", Kind::Hint, {"Set English or German or French or Czech ", "wählen sie Englisch, Deutsch, Französisch oder Tschechisch ", "Installer lange; Englais,Allemand , Francais ou Czech", "Nastavení jazyka na angličtinu, němčinu, francozštinu nebo češtinu "}},
    {"MenuEnglish", Kind::Hint, {"Set English menu", "Set English menu", "Set English menu", "Set English menu"}},
    {"MenuGerman", Kind::Hint, {"Deutsches Menü", "Deutsches Menü", "Deutsches Menü", "Deutsches Menü"}},
    {"MenuFrench", Kind::Hint, {"Installer en Francais ", "Installer en Francais ", "Installer en Francais ", "Installer en Francais "}},
    {"MenuCzech", Kind::Hint, {"Nastavit české menu", "Nastavit české menu", "Nastavit české menu", "Nastavit české menu"}},
    // Short and long part in English and Czech; in German and French one text
    // serves as both.
    {"LabelRpm1", Kind::Hint, {"Round per Minute|Speed - Round per Minute", "Umdrehungen pro Minute", "Tours minute", "Otáčky za minutu|Rychlost - Otáčky za minutu"}},
    {"LabelVerze1", Kind::Hint, {"Version of program in ignition", "Programmverion der Zündung", "Variantes de courbe d´avance", "Verze programu v zapalování"}},
    {"LabelVerze2", Kind::Hint, {"Date of program in ignition", "Datum des Programm in der Zündung", "Date de programation de la courbe d´avance", "Datum zhotovení programu v zapalování"}},
    {"LabelVerze3", Kind::Hint, {"Time of program in ignition", "Programmierzeitpunkt der Zündung", "Temp de programation de la courbe d´avance", "Čas zhotovení programu v zapalování"}},
    {"SpeedButton5", Kind::Hint, kOpenHint},
    {"MenuOpen", Kind::Hint, kOpenHint},
    {"SpeedButton6", Kind::Hint, {"Set default parametrs", "Neue Kenndatendatei erstellen", "Reprogramation des paramètres initial Dórigine", "Nastavení výchozích parametrů"}},
    {"MenuNew", Kind::Hint, {"Set default parameters ", "Neue Kenndatendatei erstellen", "Céer nouveaux fichier ", "Nastavení výchozích parametrů"}},
    {"SpeedButton7", Kind::Hint, kSaveHint},
    {"MenuSave", Kind::Hint, kSaveHint},
    {"SpeedButtonPrint", Kind::Hint, kPrintHint},
    {"MenuPrint", Kind::Hint, kPrintHint},
    {"BitBtnProgram", Kind::Hint, kProgramHint},
    {"MenuProgram", Kind::Hint, kProgramHint},
    {"BitBtnVerify", Kind::Hint, kVerifyHint},
    {"MenuVerify", Kind::Hint, kVerifyHint},
    {"BitBtnAdvMinus", Kind::Hint, {"Take off 1 degree of Advance", "Vorzündung minus 1 Grad", "Retarder de 1 degré l´avance a l´allumage", "Zmenšení předstihu o 1 stupeň"}},
    {"BitBtnAdvPlus", Kind::Hint, {"Add 1 degree of Advance", "Vorzündung plus 1 Grad", "Avance accroître l´avance a l´allumage de 1 degré", "Zvětšení předstihu o 1 stupeň"}},
    {"ButtonRead", Kind::Hint, kReadHint},
    {"MenuRead", Kind::Hint, kReadHint},
    {"MenuExit", Kind::Hint, {"End of program", "Programm beenden", "Sortir du programme", "Ukončení programu"}},
    {"CheckBoxProgHned", Kind::Hint, {"Programing at once after change", "Programmmieren sofort nach dem änderung", "Programation instantanée des modifications", "Programování ihned po změně"}},
    {"MenuCom", Kind::Hint, {"Set number of com", "Com-Anschluß festlegen", "Installer nombre de com", "Nastavení čísla serivého portu (Com) "}},
};
// clang-format on

}  // namespace

std::string CaptionRow::composed(Language language) const
{
    std::string result(text[static_cast<std::size_t>(language) % kLanguageCount]);
    result += suffix;
    return result;
}

std::span<const CaptionRow> captionRows()
{
    return kRows;
}

}  // namespace tarvel::ui
