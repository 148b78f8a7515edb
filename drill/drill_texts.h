// Every text the drill shows, byte for byte, in UTF-8; the Win32 console recodes them.
#pragma once

#include "logtext/kind_options.h"

#include <array>
#include <string_view>

namespace texts {

inline constexpr std::string_view banner = "** Quembrolavintesmoraldix **";
inline constexpr std::string_view bannerRule = "-----------------------------";
inline constexpr std::string_view namePrompt = "Name: ";

inline constexpr std::string_view kindQuestion = "Welche Art von Gleichungen willst du l\u00f6sen?";
// The kind options (texts::kindOptions) are in kind_options.h, shared with the log's readers.
inline constexpr std::string_view kindPrompt = "Artnummer: ";
inline constexpr std::string_view kindRule = "------------";
inline constexpr std::string_view levelQuestion = "Welche Schwierigkeitsstufe?";
// A level option is its number, these words and its range, "1 : Zahlen 0-10"; the options
// themselves are made from the number limits (level_options.h).
inline constexpr std::string_view levelOptionWords = " : Zahlen ";
inline constexpr std::string_view levelPrompt = "Stufe: ";
inline constexpr std::string_view levelRule = "--------";
inline constexpr std::string_view endHint =
    "Falls du die Aufgaben beenden willst, tippe 12345 ein.";
inline constexpr std::string_view greeting = "Viel Spa\u00df!!! Programmed by Zandrix!!!";
inline constexpr std::string_view invalidChoice = "Diese Eingabe ist ung\u00fcltig.";

inline constexpr std::string_view exerciseNumber = "Nr.";
inline constexpr std::string_view exerciseGap = ":   ";
inline constexpr std::string_view plus = " + ";
inline constexpr std::string_view minus = " - ";
inline constexpr std::string_view times = " \u00b7 ";
inline constexpr std::string_view dividedBy = " : ";
inline constexpr std::string_view squared = "\u00b2 = ";
inline constexpr std::string_view rootOf = ": Wurzel aus ";
inline constexpr std::string_view equals = " = ";
inline constexpr std::string_view right = "RICHTIG!!! Bisher ";
inline constexpr std::string_view wrong = "FALSCH!!!  Bisher ";
inline constexpr std::string_view errorsSoFar = " Fehler!";
inline constexpr std::string_view notAWholeNumber = "Bitte gib eine ganze Zahl ein.";

inline constexpr std::string_view countOpening = "Du hast bei ";
inline constexpr std::string_view countExercises = " Aufgaben ";
inline constexpr std::string_view countErrors = " Fehler!!!";
inline constexpr std::string_view percentOpening = "Du hast ";
inline constexpr std::string_view percentClosing = "% der Aufgaben falsch!!!";
inline constexpr std::string_view reportName = "Name: ";
inline constexpr std::array<std::string_view, 6> gradeLines = {
    "    Note: 1", "    Note: 2", "    Note: 3", "    Note: 4", "    Note: 5", "    Note: 6",
};

// The pause's own prompt where no command interpreter provides one.
inline constexpr std::string_view pausePrompt = "Dr\u00fccken Sie eine beliebige Taste . . .";

} // namespace texts
