// drillreport's outputs from a small log whose figures were worked out by hand: the text
// report byte for byte, the learner filter, the class overview, the CSV's fields and the
// command line.
#include "drill/drill_log.h"
#include "drillreport/class_overview.h"
#include "drillreport/csv_report.h"
#include "drillreport/report_options.h"
#include "drillreport/report_tables.h"
#include "drillreport/text_report.h"
#include "logtext/drill_rules.h"
#include "tests/temp_directory.h"

#include <cstdio>

#include <gtest/gtest.h>

namespace {

// The report's data from logs written to a fresh directory, read in the order given.
ReportData readLogs(const std::vector<std::pair<std::string, std::string>>& logs,
                    ReportData data = {})
{
    TempDirectory directory;
    for (const auto& [name, bytes] : logs) {
        directory.write(name, bytes);
        EXPECT_TRUE(readLog(data, name.c_str())) << name;
    }
    countSeries(data);
    return data;
}

// Anna: grades 3, 2, 2 in time order, 33 exercises, 3 errors. Jürgen from a Linux and a
// Win32 log. Ömer: one series. Anna's middle series comes last in the log.
ReportData smallLog(bool onlyJuergen = false)
{
    ReportData data;
    data.onlyLearner = onlyJuergen;
    data.onlyName = "J\u00fcrgen";
    return readLogs(
        {{"linux",
          seriesRecord("Anna", 1, 10, 3, 3, 1, "Mon Dec 07 11:36:42 2026\n") +
              seriesRecord("J\xc3\xbcrgen", 3, 100, 1, 20, 0, "Tue Dec  8 09:00:00 2026\n") +
              seriesRecord("Anna", 1, 10, 2, 10, 1, "Wed Dec 09 10:00:00 2026\n") +
              seriesRecord("Anna", 4, 25, 2, 20, 1, "Tue Dec 08 17:00:00 2026\n")},
         {"win32", seriesRecord("J\x81rgen", 3, 100, 4, 4, 2, "Thu Dec 10 09:00:00 2026\n") +
                       seriesRecord("\x99mer", 5, 1000, 6, 7, 5, "Thu Dec 10 10:00:00 2026\n")}},
        data);
}

std::string textReport(const ReportData& data)
{
    std::string text;
    EXPECT_TRUE(writeTextReport(data, [&text](std::string_view piece) {
        text += piece;
        return true;
    }));
    return text;
}

TEST(ReportText, ShowsTheFiguresWorkedOutByHand)
{
    EXPECT_EQ(textReport(smallLog()),
              "2 Protokolle, 6 Serien, 3 Namen, 07.12.2026 bis 10.12.2026\n"
              "\n"
              "Name    Serien  Aufgaben  Fehler  Fehlerquote  Notenschnitt  erste Note  letzte "
              "Note         von         bis\n"
              "Anna         3        33       3           9%           2,3           3            "
              "2  07.12.2026  09.12.2026\n"
              "J\u00fcrgen       2        24       2           8%           2,5           1        "
              "    4  08.12.2026  10.12.2026\n"
              "\u00d6mer         1         7       5          71%           6,0           6        "
              "    6  10.12.2026  10.12.2026\n"
              "\n"
              "Anna\n"
              "Art       Zahlen  Serien  Aufgaben  Fehler  Fehlerquote  Notenschnitt  erste Note  "
              "letzte Note         von         bis\n"
              "Addition  0-10         2        13       2          15%           2,5           3   "
              "         2  07.12.2026  09.12.2026\n"
              "Division  0-25         1        20       1           5%           2,0           2   "
              "         2  08.12.2026  08.12.2026\n"
              "\n"
              "J\u00fcrgen\n"
              "Art             Zahlen  Serien  Aufgaben  Fehler  Fehlerquote  Notenschnitt  erste "
              "Note  letzte Note         von         bis\n"
              "Multiplikation  0-100        2        24       2           8%           2,5         "
              "  1            4  08.12.2026  10.12.2026\n"
              "\n"
              "\u00d6mer\n"
              "Art         Zahlen  Serien  Aufgaben  Fehler  Fehlerquote  Notenschnitt  erste Note "
              " letzte Note         von         bis\n"
              "Quadrieren  0-1000       1         7       5          71%           6,0           6 "
              "           6  10.12.2026  10.12.2026\n");
}

TEST(ReportText, KeepsOnlyTheLearnerAskedFor)
{
    const ReportData data = smallLog(true);
    EXPECT_EQ(headingLine(data), "2 Protokolle, 2 Serien, 1 Name, 08.12.2026 bis 10.12.2026");
    EXPECT_EQ(textReport(ReportData{}),
              "0 Protokolle, 0 Serien, 0 Namen\nKeine Serien gefunden.\n");
}

struct LoggedSeries {
    const char* name;
    std::int32_t exercises;
    std::int32_t errors;
    std::int32_t kind = 1;
    std::int32_t limit = 10;
};

// The series a second apart, in the order given, each with the grade its errors give.
ReportData loggedSeries(const std::vector<LoggedSeries>& log)
{
    std::string bytes;
    for (std::size_t i = 0; i < log.size(); ++i) {
        char when[64];
        std::snprintf(when, sizeof when, "Mon Dec 07 %02d:%02d:%02d 2026\n",
                      static_cast<int>(i / 3600), static_cast<int>(i / 60 % 60),
                      static_cast<int>(i % 60));
        const std::int32_t percentage = errorPercentage(log[i].errors, log[i].exercises);
        bytes +=
            seriesRecord(log[i].name, log[i].kind, log[i].limit, gradeForPercentage(percentage),
                         log[i].exercises, log[i].errors, when);
    }
    return readLogs({{"tovu", bytes}});
}

std::vector<std::vector<std::string>> overviewCells(const ReportData& data)
{
    const std::vector<LearnerFigures> learners = learnerFigures(data);
    const std::vector<OverviewRow> rows = classOverview(data, learners);
    const Table table = overviewTable(data, learners, rows);
    EXPECT_EQ(table.header, (std::vector<std::string>{"Name", "Zuletzt", "Insgesamt", "Trend",
                                                      "\u00dcben", "Verlauf", "Serien"}));
    std::vector<std::vector<std::string>> cells;
    for (std::size_t row = 0; row < table.rows; ++row) {
        cells.push_back(table.cells(row));
        cells.back().push_back(rows[row].needsHelp ? "Hilfe" : "");
    }
    return cells;
}

} // namespace

// Each learner's series in time order, the learners interleaved, so that the overview must
// group them; the figures were worked out by hand. All are of 10 or fewer series, so that the
// recent figures are the whole period's.
TEST(ReportOverview, ShowsFiguresSparklineAndTrendPerLearner)
{
    std::vector<LoggedSeries> log = {
        {"Gus", 4, 1},   {"Bea", 10, 4},  {"Cem", 10, 1},   {"Bea", 10, 2},   {"Dora", 5, 0},
        {"Cem", 10, 1},  {"Emil", 10, 2}, {"Bea", 10, 1},   {"Cem", 10, 10},  {"Dora", 5, 5},
        {"Emil", 10, 2}, {"Cem", 10, 1},  {"Bea", 10, 1},   {"Emil", 30, 9},  {"Cem", 15, 2},
        {"Dora", 5, 0},  {"Emil", 10, 0}, {"Finn", 10, 10}, {"Finn", 10, 10}, {"Finn", 10, 1},
    };
    log.insert(log.end(), 29, {"Finn", 10, 0});
    const std::vector<std::vector<std::string>> expected = {
        {"Dora", "33%, Note\u00a02,7", "33%, Note\u00a02,7", "kein Trend", "Addition 0-10: 33%",
         "Fehlerquote der letzten 3 Serien: zwischen 0% und 100%, zuletzt 0%", "3", ""},
        // 10% then 12% (3 of 25); the middle series in neither half.
        {"Cem", "27%, Note\u00a02,8", "27%, Note\u00a02,8", "gleich", "Addition 0-10: 27%",
         "Fehlerquote der letzten 5 Serien: zwischen 10% und 100%, zuletzt 13%", "5", ""},
        // Too few series to name a kind to practise.
        {"Gus", "25%, Note\u00a03,0", "25%, Note\u00a03,0", "kein Trend", "\u2013",
         "Fehlerquote der letzten Serie: 25%", "1", ""},
        // 20% then 22.5% (9 of 40), though the later series' own percentages average 15%.
        {"Emil", "21%, Note\u00a02,5", "21%, Note\u00a02,5", "gleich", "Addition 0-10: 21%",
         "Fehlerquote der letzten 4 Serien: zwischen 0% und 30%, zuletzt 0%", "4", ""},
        // 30% then 10% of 20 exercises each: z = -1.58, within chance.
        {"Bea", "20%, Note\u00a02,8", "20%, Note\u00a02,8", "gleich", "Addition 0-10: 20%",
         "Fehlerquote der letzten 4 Serien: zwischen 10% und 40%, zuletzt 10%", "4", ""},
        // 32 series, of which the sparkline shows the last 30; the last 10 without an error.
        {"Finn", "0%, Note\u00a01,0", "6%, Note\u00a01,3", "besser", "\u2013",
         "Fehlerquote der letzten 30 Serien: zwischen 0% und 10%, zuletzt 0%", "32", ""},
    };
    EXPECT_EQ(overviewCells(loggedSeries(log)), expected);
}

// Lea slipped lately, Ben got better from a poor start, Ada stayed even: the last 10 series
// decide, equal ones by name. Each names the kind of the highest errors in its last series.
TEST(ReportOverview, PutsWhoNeedsHelpFirstAndNamesWhatToPractise)
{
    std::vector<LoggedSeries> log;
    log.insert(log.end(), 10, {"Ben", 10, 9, 3, 100});
    log.insert(log.end(), 10, {"Lea", 10, 2, 1, 10});
    log.insert(log.end(), 10, {"Ada", 10, 10, 1, 10}); // Addition: all wrong at first,
    log.insert(log.end(), 5, {"Ada", 10, 4, 2, 10});   // but lately Subtraktion is the worse
    log.insert(log.end(), 10, {"Ada", 10, 2, 1, 10});
    log.insert(log.end(), 5, {"Ada", 10, 4, 1, 10});
    log.insert(log.end(), 10, {"Ben", 10, 3, 3, 100});
    log.insert(log.end(), 5, {"Lea", 10, 5, 1, 10});
    log.insert(log.end(), 3, {"Lea", 10, 8, 2, 25});
    log.insert(log.end(), 2, {"Lea", 10, 10, 4, 100}); // the worst, yet of too few series
    const std::vector<std::vector<std::string>> expected = {
        {"Lea", "69%, Note\u00a05,0", "44%, Note\u00a04,0", "schlechter", "Subtraktion 0-25: 80%",
         "Fehlerquote der letzten 20 Serien: zwischen 20% und 100%, zuletzt 100%", "20", "Hilfe"},
        {"Ada", "30%, Note\u00a03,5", "53%, Note\u00a04,3", "besser", "Subtraktion 0-10: 40%",
         "Fehlerquote der letzten 30 Serien: zwischen 20% und 100%, zuletzt 40%", "30", ""},
        {"Ben", "30%, Note\u00a03,0", "60%, Note\u00a04,5", "besser", "Multiplikation 0-100: 30%",
         "Fehlerquote der letzten 20 Serien: zwischen 30% und 90%, zuletzt 30%", "20", ""},
    };
    EXPECT_EQ(overviewCells(loggedSeries(log)), expected);
}

// The two halves compared by a two-proportion test at the 5% level: the same difference is
// chance in a few exercises and more than chance in many.
TEST(ReportOverview, CallsATrendOnlyWhereItIsMoreThanChance)
{
    struct Case {
        std::int64_t series; // each half's
        std::int64_t exercises;
        std::int64_t earlierErrors;
        std::int64_t laterErrors;
        Trend trend;
    };
    const Case cases[] = {
        {2, 20, 2, 4, Trend::Same},      // 10% then 20%: z = 0.89
        {20, 200, 20, 40, Trend::Worse}, // the same, ten times the exercises: z = 2.80
        {10, 100, 10, 20, Trend::Worse}, // z = 1.98, just beyond 1.96
        {10, 100, 10, 19, Trend::Same},  // z = 1.81
        {10, 100, 20, 10, Trend::Better}, {10, 100, 19, 10, Trend::Same},
        {10, 100, 0, 0, Trend::Same},     {10, 100, 100, 100, Trend::Same},
        {1, 100, 0, 100, Trend::None}, // 2 series in all, whatever their errors
    };
    for (const Case& c : cases) {
        const Figures earlier{c.series, c.exercises, c.earlierErrors};
        const Figures later{c.series, c.exercises, c.laterErrors};
        EXPECT_EQ(trendOf(earlier, later), c.trend) << c.earlierErrors << " " << c.laterErrors;
    }
}

// Letters with marks sort with their base letter, whether written as one character or as a
// letter and a combining mark; names that tie so are ordered by their bytes.
TEST(ReportNames, SortAsAGermanReaderExpects)
{
    const std::vector<std::string> order = {
        "Anna",  "anna",        "Elif",        "E\u0301lodie",         "\u00c9mile", "Emma",
        "Julia", "J\u00fcrgen", "Lea",         "\u0141ukasz",          "Ole",        "\u00d8rjan",
        "Sara",  "Strasse",     "Stra\u00dfe", "\u015e\u00fckr\u00fc", "Zo\u00eb"};
    std::vector<LoggedSeries> log;
    for (auto name = order.rbegin(); name != order.rend(); ++name)
        log.push_back({name->c_str(), 10, 1});
    const ReportData data = loggedSeries(log);
    std::vector<std::string> sorted;
    for (const LearnerFigures& learner : learnerFigures(data))
        sorted.push_back(shownName(data, learner.learner));
    EXPECT_EQ(sorted, order);
}

TEST(ReportCsv, QuotesAndDefusesFields)
{
    struct Case {
        const char* text;
        const char* field;
    };
    const Case cases[] = {
        {"Anna", "Anna"},
        {"", ""},
        {"Anna;Lena", "\"Anna;Lena\""},
        {"Max \"Maxi\"", "\"Max \"\"Maxi\"\"\""},
        {"a\nb", "\"a\nb\""},
        {"=1+1", "'=1+1"},
        {"+49", "'+49"},
        {"-Bert", "'-Bert"},
        {"@home", "'@home"},
        {"\tTab", "\"'\tTab\""},
        {"M\u00fcller, Lena", "\"M\u00fcller, Lena\""},
        {"a\tb", "\"a\tb\""},
        {"\rCR", "\"'\rCR\""},
        {"=\"x\";y", "\"'=\"\"x\"\";y\""},
        {"Bert=", "Bert="},
    };
    for (const Case& c : cases)
        EXPECT_EQ(csvField(c.text), c.field) << c.text;
}

TEST(ReportOptions, AreReadAsTheUsageSays)
{
    struct Case {
        std::vector<std::string> arguments;
        OptionsOutcome outcome;
        ReportForm form;
        const char* page;
        const char* name; // nullptr: no --name
        std::vector<std::string> logs;
        LogMoment from = earliestMoment;
        LogMoment until = latestMoment;
    };
    const Case cases[] = {
        {{}, OptionsOutcome::Run, ReportForm::Text, "", nullptr, {}},
        {{"a", "--csv", "b"}, OptionsOutcome::Run, ReportForm::Csv, "", nullptr, {"a", "b"}},
        {{"--html", "p.html", "--name", "Jo", "a"},
         OptionsOutcome::Run,
         ReportForm::Html,
         "p.html",
         "Jo",
         {"a"}},
        {{"--csv", "--csv", "-", "--", "--csv"},
         OptionsOutcome::Run,
         ReportForm::Csv,
         "",
         nullptr,
         {"-", "--csv"}},
        {{"a", "--help", "--bogus"}, OptionsOutcome::Help, ReportForm::Text, "", nullptr, {"a"}},
        {{"--bogus", "--help"}, OptionsOutcome::Wrong, ReportForm::Text, "", nullptr, {}},
        {{"-c"}, OptionsOutcome::Wrong, ReportForm::Text, "", nullptr, {}},
        {{"--html"}, OptionsOutcome::Wrong, ReportForm::Text, "", nullptr, {}},
        {{"--name"}, OptionsOutcome::Wrong, ReportForm::Text, "", nullptr, {}},
        {{"--csv", "--html", "p"}, OptionsOutcome::Wrong, ReportForm::Csv, "", nullptr, {}},
        // From the first second of --von's day to the last of --bis's; single digits too.
        {{"--von", "01.09.2026", "--bis", "31.12.2026"},
         OptionsOutcome::Run,
         ReportForm::Text,
         "",
         nullptr,
         {},
         1788220800,
         1798761599},
        {{"--von", "29.2.2024"},
         OptionsOutcome::Run,
         ReportForm::Text,
         "",
         nullptr,
         {},
         1709164800},
        {{"--von", "1.1.2026", "--bis", "31.12.2025"},
         OptionsOutcome::Wrong,
         ReportForm::Text,
         "",
         nullptr,
         {},
         1767225600},
        {{"--bis", "31.02.2026"}, OptionsOutcome::Wrong, ReportForm::Text, "", nullptr, {}},
        {{"--bis", "29.02.2026"}, OptionsOutcome::Wrong, ReportForm::Text, "", nullptr, {}},
        {{"--von", "00.01.2026"}, OptionsOutcome::Wrong, ReportForm::Text, "", nullptr, {}},
        {{"--von", "01.13.2026"}, OptionsOutcome::Wrong, ReportForm::Text, "", nullptr, {}},
        {{"--von", "01.01.26"}, OptionsOutcome::Wrong, ReportForm::Text, "", nullptr, {}},
        {{"--von", "001.01.2026"}, OptionsOutcome::Wrong, ReportForm::Text, "", nullptr, {}},
        {{"--von", "1.1.2026."}, OptionsOutcome::Wrong, ReportForm::Text, "", nullptr, {}},
        {{"--von", "2026-01-01"}, OptionsOutcome::Wrong, ReportForm::Text, "", nullptr, {}},
        {{"--von", ""}, OptionsOutcome::Wrong, ReportForm::Text, "", nullptr, {}},
        {{"--bis"}, OptionsOutcome::Wrong, ReportForm::Text, "", nullptr, {}},
    };
    for (const Case& c : cases) {
        ReportOptions options;
        std::string problem;
        const std::string what = ::testing::PrintToString(c.arguments);
        ASSERT_EQ(parseOptions(c.arguments, options, problem), c.outcome) << what;
        EXPECT_EQ(problem.empty(), c.outcome != OptionsOutcome::Wrong) << what;
        EXPECT_EQ(options.form, c.form) << what;
        EXPECT_EQ(options.pagePath, c.page) << what;
        EXPECT_EQ(options.nameGiven, c.name != nullptr) << what;
        EXPECT_EQ(options.name, c.name != nullptr ? c.name : "") << what;
        EXPECT_EQ(options.logs, c.logs) << what;
        if (c.outcome == OptionsOutcome::Run) {
            EXPECT_EQ(options.from, c.from) << what;
            EXPECT_EQ(options.until, c.until) << what;
        }
    }
}
