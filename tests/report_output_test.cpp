// drillreport's outputs from a small log whose figures were worked out by hand: the text
// report byte for byte, the learner filter, the CSV's fields and the command line.
#include "csv_report.h"
#include "drill_log.h"
#include "report_options.h"
#include "report_tables.h"
#include "temp_directory.h"
#include "text_report.h"

#include <gtest/gtest.h>

namespace {

// Anna: grades 3, 2, 2 in time order, 33 exercises, 3 errors. Jürgen from a Linux and a
// Win32 log. Ömer: one series. Anna's middle series comes last in the log.
ReportData smallLog(bool onlyJuergen = false)
{
    TempDirectory directory;
    directory.write(
        "linux", seriesRecord("Anna", 1, 10, 3, 3, 1, "Mon Dec 07 11:36:42 2026\n") +
                     seriesRecord("J\xc3\xbcrgen", 3, 100, 1, 20, 0, "Tue Dec  8 09:00:00 2026\n") +
                     seriesRecord("Anna", 1, 10, 2, 10, 1, "Wed Dec 09 10:00:00 2026\n") +
                     seriesRecord("Anna", 4, 25, 2, 20, 1, "Tue Dec 08 17:00:00 2026\n"));
    directory.write("win32",
                    seriesRecord("J\x81rgen", 3, 100, 4, 4, 2, "Thu Dec 10 09:00:00 2026\n") +
                        seriesRecord("\x99mer", 5, 1000, 6, 7, 5, "Thu Dec 10 10:00:00 2026\n"));
    ReportData data;
    data.onlyLearner = onlyJuergen;
    data.onlyName = "J\u00fcrgen";
    EXPECT_TRUE(readLog(data, "linux"));
    EXPECT_TRUE(readLog(data, "win32"));
    countSeries(data);
    return data;
}

} // namespace

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
    };
    const Case cases[] = {
        {{}, OptionsOutcome::run, ReportForm::text, "", nullptr, {}},
        {{"a", "--csv", "b"}, OptionsOutcome::run, ReportForm::csv, "", nullptr, {"a", "b"}},
        {{"--html", "p.html", "--name", "Jo", "a"},
         OptionsOutcome::run,
         ReportForm::html,
         "p.html",
         "Jo",
         {"a"}},
        {{"--csv", "--csv", "-", "--", "--csv"},
         OptionsOutcome::run,
         ReportForm::csv,
         "",
         nullptr,
         {"-", "--csv"}},
        {{"a", "--help", "--bogus"}, OptionsOutcome::help, ReportForm::text, "", nullptr, {"a"}},
        {{"--bogus", "--help"}, OptionsOutcome::wrong, ReportForm::text, "", nullptr, {}},
        {{"-c"}, OptionsOutcome::wrong, ReportForm::text, "", nullptr, {}},
        {{"--html"}, OptionsOutcome::wrong, ReportForm::text, "", nullptr, {}},
        {{"--name"}, OptionsOutcome::wrong, ReportForm::text, "", nullptr, {}},
        {{"--csv", "--html", "p"}, OptionsOutcome::wrong, ReportForm::csv, "", nullptr, {}},
    };
    for (const Case& c : cases) {
        ReportOptions options;
        std::string problem;
        const std::string what = ::testing::PrintToString(c.arguments);
        ASSERT_EQ(parseOptions(c.arguments, options, problem), c.outcome) << what;
        EXPECT_EQ(problem.empty(), c.outcome != OptionsOutcome::wrong) << what;
        EXPECT_EQ(options.form, c.form) << what;
        EXPECT_EQ(options.pagePath, c.page) << what;
        EXPECT_EQ(options.nameGiven, c.name != nullptr) << what;
        EXPECT_EQ(options.name, c.name != nullptr ? c.name : "") << what;
        EXPECT_EQ(options.logs, c.logs) << what;
    }
}
