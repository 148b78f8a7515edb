// Every text drillreport writes, byte for byte, in UTF-8; the Win32 console layer recodes them.
#pragma once

#include <array>
#include <string_view>

namespace reportTexts {

inline constexpr std::string_view messagePrefix = "drillreport: ";

// The usage; the default log's name is put in where usageDefaultLog ends.
inline constexpr std::string_view usage =
    "Aufruf: drillreport [--csv | --html DATEI] [--name NAME] [--von DATUM] [--bis DATUM]\n"
    "                    [PROTOKOLL ...]\n";
inline constexpr std::string_view usageDefaultLog =
    "Zeigt den Lernfortschritt aus den Protokollen des Rechentrainers; ohne PROTOKOLL: ";
inline constexpr std::string_view usageOptions =
    "\n"
    "  --csv         eine Zeile je Serie, f\u00fcr Tabellenkalkulationen\n"
    "  --html DATEI  eine Seite mit Diagrammen in DATEI schreiben\n"
    "  --name NAME   nur die Serien mit diesem Namen\n"
    "  --von DATUM   nur die Serien, die an diesem Tag (TT.MM.JJJJ) oder sp\u00e4ter enden\n"
    "  --bis DATUM   nur die Serien, die an diesem Tag (TT.MM.JJJJ) oder fr\u00fcher enden\n"
    "  --help        diese Hilfe\n"
    "R\u00fcckgabewert: 0 fertig, 1 ein Protokoll war nicht lesbar oder die Ausgabe nicht "
    "schreibbar, 2 falscher Aufruf.\n";

inline constexpr std::string_view unknownOption = "unbekannte Option: ";
inline constexpr std::string_view missingValue = "fehlender Wert nach ";
inline constexpr std::string_view csvOrHtml = "--csv und --html gehen nicht zusammen";
inline constexpr std::string_view invalidDate = "kein g\u00fcltiges Datum (TT.MM.JJJJ) nach ";
inline constexpr std::string_view fromAfterUntil = "--von liegt nach --bis";

inline constexpr std::string_view cannotRead = " kann nicht gelesen werden.";
inline constexpr std::string_view cannotWrite = " kann nicht geschrieben werden.";
inline constexpr std::string_view pageIsALog =
    " ist eines der gelesenen Protokolle und wird nicht durch die Seite ersetzt.";
inline constexpr std::string_view pageNotAFile =
    " ist keine gew\u00f6hnliche Datei und wird nicht durch die Seite ersetzt.";
inline constexpr std::string_view outputFailed = "die Ausgabe kann nicht geschrieben werden.";
inline constexpr std::string_view notCounted = "nicht gez\u00e4hlt: ";
inline constexpr std::string_view notCountedWhy =
    " (unbekannt, unvollst\u00e4ndig oder ung\u00fcltig).";
inline constexpr std::string_view noSeries = "Keine Serien gefunden.";

// Started from the desktop: the page of the log here, written beside it and shown.
inline constexpr std::string_view desktopPage = "lernfortschritt.html";
inline constexpr std::string_view pageSavedIn = "Der Lernfortschritt ist gespeichert in ";
inline constexpr std::string_view cannotShow = " kann nicht im Webbrowser ge\u00f6ffnet werden.";
inline constexpr std::string_view pressAKey = "Zum Schlie\u00dfen eine Taste dr\u00fccken.";

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
// The period asked for, after the heading's figures: "Zeitraum vom 01.09.2026 bis 31.12.2026",
// "Zeitraum ab 01.09.2026", "Zeitraum bis 31.12.2026".
inline constexpr std::string_view period = "Zeitraum ";
inline constexpr std::string_view periodFrom = "vom ";
inline constexpr std::string_view periodFromOnly = "ab ";
inline constexpr std::string_view periodUntilOnly = "bis ";

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

inline constexpr std::string_view csvHeader =
    "Name;Endzeit;Art;Schwierigkeit;Aufgaben;Fehler;Fehlerquote;Note";

inline constexpr std::string_view pageTitle = "Lernfortschritt";
inline constexpr std::string_view chartTitle = "Fehlerquote je Serie, Farbe nach Note";
inline constexpr std::string_view onePointPer = "Ein Punkt je ";
inline constexpr std::string_view gradeWord = "Note ";
inline constexpr std::string_view pointSeries = " Serien";
// A chart's text alternative: "Fehlerquote je Serie von Anna: 3 Serien vom 07.12.2026 bis
// 09.12.2026, zusammen 9%, letzte Note 2"
inline constexpr std::string_view chartOf = "Fehlerquote je Serie von ";
inline constexpr std::string_view seriesFrom = " vom ";
inline constexpr std::string_view together = ", zusammen ";
inline constexpr std::string_view lastGrade = ", letzte Note ";

// The class overview above the learners' parts.
inline constexpr std::string_view overviewTitle = "Klassen\u00fcbersicht";
inline constexpr std::string_view sparklineColumn = "Verlauf";
inline constexpr std::string_view trendColumn = "Trend";
// How the overview is read, with the number of points, the points of "gleich" and the fewest
// series of a trend put in between.
inline constexpr std::array<std::string_view, 4> trendHow = {
    "Verlauf: die Fehlerquote der letzten Serien, h\u00f6chstens ",
    ". Trend: die Fehlerquote (Fehler je Aufgabe) der sp\u00e4teren H\u00e4lfte der Serien "
    "verglichen mit der fr\u00fcheren H\u00e4lfte, bei ungerader Zahl ohne die mittlere Serie; "
    "bis ",
    " Prozentpunkte Unterschied hei\u00dft gleich, unter ",
    " Serien gibt es keinen Trend.",
};
// "Fehlerquote der letzten 12 Serien: zwischen 5% und 40%, zuletzt 5%"
inline constexpr std::string_view sparklineOf = "Fehlerquote der letzten ";
inline constexpr std::string_view sparklineOne = "Fehlerquote der letzten Serie: ";
inline constexpr std::string_view between = ": zwischen ";
inline constexpr std::string_view lastly = ", zuletzt ";
// By Trend: none, better, same, worse; the arrow is left to the eye, the word is read.
inline constexpr std::array<std::string_view, 4> trendWords = {"kein Trend", "besser", "gleich",
                                                               "schlechter"};
inline constexpr std::array<std::string_view, 4> trendArrows = {"\u2013", "\u2197", "\u2192",
                                                                "\u2198"};

} // namespace reportTexts
