// Every text drillreport writes, byte for byte, in UTF-8; the Win32 console layer recodes them.
#pragma once

#include <array>
#include <string_view>

namespace reportTexts {

inline constexpr std::string_view messagePrefix = "drillreport: ";

// The usage; the default log's name is put in where usageDefaultLog ends.
inline constexpr std::string_view usage =
    "Aufruf: drillreport [--csv | --html DATEI] [--name NAME] [PROTOKOLL ...]\n";
inline constexpr std::string_view usageDefaultLog =
    "Zeigt den Lernfortschritt aus den Protokollen des Rechentrainers; ohne PROTOKOLL: ";
inline constexpr std::string_view usageOptions =
    "\n"
    "  --csv         eine Zeile je Serie, f\u00fcr Tabellenkalkulationen\n"
    "  --html DATEI  eine Seite mit Diagrammen in DATEI schreiben\n"
    "  --name NAME   nur die Serien mit diesem Namen\n"
    "  --help        diese Hilfe\n"
    "R\u00fcckgabewert: 0 fertig, 1 ein Protokoll war nicht lesbar oder die Ausgabe nicht "
    "schreibbar, 2 falscher Aufruf.\n";

inline constexpr std::string_view unknownOption = "unbekannte Option: ";
inline constexpr std::string_view missingValue = "fehlender Wert nach ";
inline constexpr std::string_view csvOrHtml = "--csv und --html gehen nicht zusammen";

inline constexpr std::string_view cannotRead = " kann nicht gelesen werden.";
inline constexpr std::string_view cannotWrite = " kann nicht geschrieben werden.";
inline constexpr std::string_view outputFailed = "die Ausgabe kann nicht geschrieben werden.";
inline constexpr std::string_view notCounted = "nicht gez\u00e4hlt: ";
inline constexpr std::string_view notCountedWhy =
    " (unbekannt, unvollst\u00e4ndig oder ung\u00fcltig).";
inline constexpr std::string_view noSeries = "Keine Serien gefunden.";

// A number and its noun: "1 Serie", "5 Serien".
struct CountWord {
    std::string_view one;
    std::string_view many;
};
inline constexpr CountWord logsWord = {"Protokoll", "Protokolle"};
inline constexpr CountWord seriesWord = {"Serie", "Serien"};
inline constexpr CountWord namesWord = {"Name", "Namen"};
inline constexpr CountWord linesWord = {"Zeile", "Zeilen"};
inline constexpr CountWord recordsWord = {"Serieneintrag", "Serieneintr\u00e4ge"};
inline constexpr CountWord daysWord = {"Tag", "Tage"};
inline constexpr std::string_view listSeparator = ", ";
inline constexpr std::string_view and_ = " und ";
inline constexpr std::string_view until = " bis ";

// The learner who typed no name.
inline constexpr std::string_view noName = "(ohne Namen)";

// The tables' columns: the learner's or the kind's, then the figures.
inline constexpr std::string_view nameColumn = "Name";
inline constexpr std::string_view kindColumn = "Art";
inline constexpr std::string_view rangeColumn = "Zahlen";
inline constexpr std::array<std::string_view, 9> figureColumns = {
    "Serien",     "Aufgaben",    "Fehler", "Fehlerquote", "Notenschnitt",
    "erste Note", "letzte Note", "von",    "bis",
};
// The range of a number limit as the drill's menu shows it: "0-" and the limit.
inline constexpr std::string_view rangeFrom = "0-";

inline constexpr std::string_view csvHeader =
    "Name;Endzeit;Art;Schwierigkeit;Aufgaben;Fehler;Fehlerquote;Note";

inline constexpr std::string_view pageTitle = "Lernfortschritt";
inline constexpr std::string_view chartTitle = "Fehlerquote je Serie, Farbe nach Note";
inline constexpr std::string_view onePointPer = "Ein Punkt je ";
inline constexpr std::string_view gradeWord = "Note ";
inline constexpr std::string_view pointSeries = " Serien";

} // namespace reportTexts
