// drillreport's reading of logs: series records among damaged lines, duplicates, the time
// text and the learners' names from both kinds of computer.
#include "drill/drill_log.h"
#include "drillreport/learner_name.h"
#include "drillreport/log_time.h"
#include "drillreport/report_data.h"
#include "tests/temp_directory.h"

#include <gtest/gtest.h>

namespace {

const std::string startAndName =
    startRecord("Mon Dec 07 11:30:00 2026\n") + nameEntryRecord("Mon Dec 07 11:30:05 2026\n");
// Anna's series as the drill writes it: 3 exercises, 1 error, 33 percent, grade 3.
const std::string anna = seriesRecord("Anna", 1, 10, 3, 3, 1, "Mon Dec 07 11:36:42 2026\n");

std::string replaced(std::string text, std::string_view from, std::string_view to)
{
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

std::string withLineEnds(std::string text, std::string_view end)
{
    std::string result;
    for (const char c : text) {
        if (c == '\n')
            result += end;
        else
            result += c;
    }
    return result;
}

std::string withoutLine(const std::string& text, std::string_view label)
{
    const std::size_t at = text.find(label);
    return text.substr(0, at) + text.substr(text.find('\n', at) + 1);
}

// The logs' bytes, read in order: the series counted and what was left out.
struct Outcome {
    std::size_t series;
    std::int64_t linesLeftOut;
    std::int64_t recordsLeftOut;
    bool operator==(const Outcome&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Outcome& outcome)
{
    return out << outcome.series << " series, " << outcome.linesLeftOut << " lines and "
               << outcome.recordsLeftOut << " records left out";
}

Outcome readLogs(const std::vector<std::string>& logs)
{
    TempDirectory directory;
    ReportData data;
    for (std::size_t i = 0; i < logs.size(); ++i) {
        const std::string name = "log" + std::to_string(i);
        directory.write(name, logs[i]);
        EXPECT_TRUE(readLog(data, name.c_str()));
    }
    countSeries(data);
    return {data.series.size(), data.linesLeftOut, data.recordsLeftOut};
}

} // namespace

TEST(ReportRecords, CountsSoundSeriesAndLeavesOutTheRest)
{
    const std::string later = replaced(anna, "11:36:42", "11:36:43");
    struct Case {
        const char* what;
        std::vector<std::string> logs;
        Outcome expected;
    };
    const Case cases[] = {
        {"as the drill writes it", {startAndName + anna + startAndName}, {1, 0, 0}},
        {"CR LF", {withLineEnds(startAndName + anna, "\r\n")}, {1, 0, 0}},
        {"CR alone", {withLineEnds(anna, "\r")}, {1, 0, 0}},
        {"blank-padded day", {replaced(anna, "Dec 07", "Dec  7")}, {1, 0, 0}},
        {"empty name", {replaced(anna, "Anna", "")}, {1, 0, 0}},
        {"kind 7", {replaced(anna, ".1\n", ".7\n")}, {0, 0, 1}},
        {"kind 0", {replaced(anna, ".1\n", ".0\n")}, {0, 0, 1}},
        {"limit 11", {replaced(anna, ".10\n", ".11\n")}, {0, 0, 1}},
        {"grade by hand", {replaced(anna, ".3\nAuf", ".2\nAuf")}, {0, 0, 1}},
        {"no exercise", {replaced(replaced(anna, ".3\nF", ".0\nF"), ".1\nE", ".0\nE")}, {0, 0, 1}},
        {"errors equal exercises",
         {replaced(replaced(anna, ".3\nAuf", ".6\nAuf"), ".1\nE", ".3\nE")},
         {1, 0, 0}},
        {"more errors than exercises", {replaced(anna, ".1\nE", ".4\nE")}, {0, 0, 1}},
        {"sign", {replaced(anna, ".3\nF", ".+3\nF")}, {0, 0, 1}},
        {"blank", {replaced(anna, ".3\nF", ". 3\nF")}, {0, 0, 1}},
        {"no value", {replaced(anna, ".3\nF", ".\nF")}, {0, 0, 1}},
        {"beyond 32 bits", {replaced(anna, ".3\nF", ".4294967299\nF")}, {0, 0, 1}},
        {"end time damaged", {replaced(anna, "Dec 07", "Dez 07")}, {0, 0, 1}},
        {"ends in the year 10000",
         {replaced(anna, "Mon Dec 07 11:36:42 2026", "Fri Dec 31 23:59:60 9999")},
         {0, 0, 1}},
        {"rule short", {replaced(anna, "-\n", "\n")}, {0, 8, 0}},
        {"line missing", {withoutLine(anna, "Note:")}, {0, 7, 0}},
        {"cut off by the end", {anna.substr(0, anna.find("End"))}, {0, 6, 0}},
        {"cut off by the next", {withoutLine(anna, "Endzeit:") + anna}, {1, 7, 0}},
        {"strange lines", {"\nhallo\n" + anna + "Startzeit:..............gestern\n"}, {1, 3, 0}},
        {"an endless line", {anna + std::string(200000, 'x') + "\n" + later}, {2, 1, 0}},
        {"a name beyond any bound", {replaced(anna, "Anna", std::string(70000, 'a'))}, {0, 8, 0}},
        {"twice in one log", {anna + anna}, {1, 0, 0}},
        {"in two logs", {anna + later, later + anna}, {2, 0, 0}},
        {"one name, both encodings",
         {replaced(anna, "Anna", "J\xc3\xbcrgen"), replaced(anna, "Anna", "J\x81rgen")},
         {1, 0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readLogs(c.logs), c.expected) << c.what;
}

TEST(ReportRecords, ReadsNothingOfALogThatCannotBeOpened)
{
    TempDirectory directory;
    std::filesystem::create_directory(directory.path() / "folder");
    ReportData data;
    EXPECT_FALSE(readLog(data, "missing"));
    EXPECT_FALSE(readLog(data, "folder"));
    EXPECT_EQ(data.logsRead, 0);
}

TEST(ReportTimeText, ReadsWhatTheDrillWritesAndNothingElse)
{
    // Every sixth hour and a bit over 60 years, leap days included, as the drill writes it.
    for (std::time_t moment = 0; moment < 1900000000; moment += 6 * 3600 + 17) {
        const std::string text = formatTimeText(moment);
        LogMoment read = -1;
        ASSERT_TRUE(parseTimeText(std::string_view(text).substr(0, 24), read)) << text;
        ASSERT_EQ(read, moment) << text;
    }
    struct Case {
        const char* text;
        const char* dateTime; // nullptr: not a time text
    };
    const Case cases[] = {
        {"Tue Dec  8 09:00:05 2026", "2026-12-08 09:00:05"},
        {"Thu Feb 29 23:59:59 2024", "2024-02-29 23:59:59"},
        {"Wed Feb 29 00:00:00 2023", nullptr},
        {"Mon Apr 31 00:00:00 2026", nullptr},
        {"Mon Dec 00 11:36:42 2026", nullptr},
        {"Mon Dec 07 24:00:00 2026", nullptr},
        {"Mon Dec 07 11:60:00 2026", nullptr},
        {"Mon Dec 07 11:36:61 2026", nullptr},
        {"Mon Dec 07 11:36:42 2026 ", nullptr},
        {"Mon Dec 7 11:36:42 2026", nullptr},
        {"Mon dec 07 11:36:42 2026", nullptr},
        {"Mo  Dec 07 11:36:42 2026", nullptr},
        {"Mon Dec 07 11-36-42 2026", nullptr},
        {"Mon Dec 07 11:36:42 20x6", nullptr},
    };
    for (const Case& c : cases) {
        LogMoment moment = 0;
        ASSERT_EQ(parseTimeText(c.text, moment), c.dateTime != nullptr) << c.text;
        std::string dateTime;
        appendIsoDate(dateTime, moment);
        dateTime += ' ';
        appendClockTime(dateTime, moment);
        EXPECT_EQ(dateTime, c.dateTime != nullptr ? c.dateTime : "1970-01-01 00:00:00") << c.text;
    }
}

TEST(ReportNames, AreUtf8OrCodePage850AndNeverControlATerminal)
{
    struct Case {
        const char* logged;
        const char* shown;
    };
    const Case cases[] = {
        {"Anna Lena", "Anna Lena"},
        {"J\xc3\xbcrgen", "J\u00fcrgen"},
        {"J\x81rgen", "J\u00fcrgen"},
        {"\x8e\x99\x9a\xe1\x84\x94", "\u00c4\u00d6\u00dc\u00df\u00e4\u00f6"},
        {"Ren\xc3\xa9 \xff", "Ren\u251c\u00ae \u00a0"},   // not UTF-8 as a whole
        {"\xc0\xaf", "\u2514\u00bb"},                     // an overlong form is no UTF-8
        {"\xed\xa0\x80", "\u00dd\u00e1\u00c7"},           // nor is a surrogate
        {"\xf4\x90\x80\x80", "\u00b6\u00c9\u00c7\u00c7"}, // nor what lies beyond U+10FFFF
        {"\xf8\x90\x80\x80", "\u00b0\u00c9\u00c7\u00c7"}, // nor a five-byte form
        {"\xf0\x9f\x98\x80", "\U0001F600"},
        {"\x1b[2JRot\x7f", "\ufffd[2JRot\ufffd"},
        {"a\tb", "a\ufffdb"},
        {"\xc2\x9b"
         "1m",
         "\ufffd"
         "1m"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeLearnerName(c.logged), c.shown) << c.logged;
}
