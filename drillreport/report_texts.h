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
// The page's tables join the first and last grade, and the first and last date.
inline constexpr std::array<std::string_view, 2> pageColumns = {"erste \u2192 letzte Note",
                                                                "Zeitraum"};
inline constexpr std::string_view gradesJoint = " \u2192 ";
inline constexpr std::string_view datesJoint = " \u2013 ";

inline constexpr std::string_view csvHeader =
    "Name;Endzeit;Art;Schwierigkeit;Aufgaben;Fehler;Fehlerquote;Note";

inline constexpr std::string_view pageTitle = "Lernfortschritt";
// Above the learners' charts, with the legend of the colours.
inline constexpr std::string_view chartTitle =
    "Die Diagramme zeigen die Fehlerquote je Serie, die Farbe ihre Note:";
inline constexpr std::string_view legendLabel =
    "Farben der Noten: von Gr\u00fcn f\u00fcr Note 1 bis Dunkelrot f\u00fcr Note 6";
// Under a learner's heading where a chart has very many series: "Ein Punkt je Tag" or "je 2
// Tage", and how such a point is drawn.
inline constexpr std::string_view onePointPer = "Ein Punkt je ";
inline constexpr std::string_view pointHow =
    ": die Fehlerquote seiner Serien zusammen, zu ihrer mittleren Zeit, mit einem Strich von "
    "der niedrigsten bis zur h\u00f6chsten einer Serie; sein Tooltip nennt die Zahl der Serien, "
    "den ersten und den letzten Tag";
inline constexpr std::string_view gradeWord = "Note ";
// A point's lowest and highest series, after its percentage: "34% (12% bis 60%)".
inline constexpr std::array<std::string_view, 2> spread = {" (", ")"};
// A chart's text alternative: "Fehlerquote je Serie von Anna: 3 Serien vom 07.12.2026 bis
// 09.12.2026, zusammen 9%, letzte Note 2"
inline constexpr std::string_view chartOf = "Fehlerquote je Serie von ";
inline constexpr std::string_view seriesFrom = " vom ";
inline constexpr std::string_view together = ", zusammen ";
inline constexpr std::string_view lastGrade = ", letzte Note ";

// The class overview above the learners' parts, the learners who need help first.
inline constexpr std::string_view overviewTitle = "Klassen\u00fcbersicht";
// Between the name and the series.
inline constexpr std::array<std::string_view, 5> overviewColumns = {"Zuletzt", "Insgesamt", "Trend",
                                                                    "\u00dcben", "Verlauf"};
// The recent and the whole period's figures: "58%, Note 4,8", the grade kept with its word.
inline constexpr std::string_view figuresGrade = ", Note\u00a0";
inline constexpr std::string_view needsHelp = "Hilfe n\u00f6tig";
// The kind and range to practise: "Subtraktion 0-25: 45%"; a dash for none.
inline constexpr std::string_view practiseAt = ": ";
inline constexpr std::string_view nothingShown = "\u2013";
// How the overview is read, one sentence a rule, the numbers put in between the pieces; the
// order above the overview, the others below it.
inline constexpr std::array<std::string_view, 3> orderHow = {
    "Reihenfolge: wer in den letzten ",
    " Serien die h\u00f6chste Fehlerquote hat, zuerst, bei gleicher nach dem Namen; "
    "\u201eHilfe n\u00f6tig\u201c, wo sie Note ",
    " oder schlechter ergibt."};
inline constexpr std::array<std::string_view, 2> recentHow = {
    "Zuletzt: Fehlerquote und Notenschnitt der letzten ", " Serien, insgesamt: aller Serien."};
inline constexpr std::array<std::string_view, 3> practiseHow = {
    "\u00dcben: Art und Zahlenraum mit der h\u00f6chsten Fehlerquote in ihren letzten ",
    " Serien, unter denen mit mindestens ", " Serien."};
// Followed by the arrows and words of worse and better: "\u2197 schlechter, \u2198 besser."
inline constexpr std::array<std::string_view, 2> sparklineHow = {
    "Verlauf: die Fehlerquote der letzten ",
    " Serien; nach oben hei\u00dft mehr Fehler, wie bei den Pfeilen: "};
inline constexpr std::array<std::string_view, 3> trendHow = {
    "Trend: die Fehler je Aufgabe der sp\u00e4teren H\u00e4lfte der Serien gegen die der "
    "fr\u00fcheren, bei ungerader Zahl ohne die mittlere Serie; besser oder schlechter nur, "
    "wo ein Test zweier Anteile den Unterschied auf dem Niveau ",
    "% f\u00fcr mehr als Zufall h\u00e4lt, sonst gleich; unter ", " Serien kein Trend."};
// "Fehlerquote der letzten 12 Serien: zwischen 5% und 40%, zuletzt 5%"
inline constexpr std::string_view sparklineOf = "Fehlerquote der letzten ";
inline constexpr std::string_view sparklineOne = "Fehlerquote der letzten Serie: ";
inline constexpr std::string_view between = ": zwischen ";
inline constexpr std::string_view lastly = ", zuletzt ";
// By Trend: none, better, same, worse. The arrows go the way of the error line, which rises
// as a learner slips; they are left to the eye, the word is read.
inline constexpr std::array<std::string_view, 4> trendWords = {"kein Trend", "besser", "gleich",
                                                               "schlechter"};
inline constexpr std::array<std::string_view, 4> trendArrows = {"", "\u2198", "\u2192", "\u2197"};

} // namespace reportTexts
