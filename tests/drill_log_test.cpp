// The drill log: time texts, byte-exact records, appending, and records that cannot be written.
#include "drill/drill_log.h"
#include "tests/stored_log.h"
#include "tests/temp_directory.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(FormatTimeText, WritesTheCtimeFormInEnglish)
{
    struct Case {
        std::time_t moment;
        const char* text;
    };
    const Case cases[] = {
        {0, "Thu Jan 01 00:00:00 1970\n"},
        {1700000000, "Tue Nov 14 22:13:20 2023\n"},
        {1736035200 + 3661, "Sun Jan 05 01:01:01 2025\n"},
        {1709164800 + 86399, "Thu Feb 29 23:59:59 2024\n"},
        {1798761599, "Thu Dec 31 23:59:59 2026\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatTimeText(c.moment), c.text) << c.moment;
}

TEST(DrillLogRecords, AreWrittenByteForByte)
{
    const std::string time = "Tue Nov 14 22:13:20 2023\n";
    EXPECT_EQ(startRecord(time), "Startzeit:..............Tue Nov 14 22:13:20 2023\n");
    EXPECT_EQ(nameEntryRecord(time), "Logzeit:...............Tue Nov 14 22:13:20 2023\n");

    struct Case {
        const char* name;
        int type, limit, grade, answered, errors;
        const char* record;
    };
    const Case cases[] = {
        {"Anna Lena", 1, 10, 4, 2, 1,
         "Name:..................Anna Lena\n"
         "Art:.......................1\n"
         "Schwierigkeit:.......10\n"
         "Note:....................4\n"
         "Aufgaben:............2\n"
         "Fehler:..................1\n"
         "Endzeit:................Tue Nov 14 22:13:20 2023\n"
         "---------------------------------------------------------------------------------------"
         "\n"},
        {"", 6, 10000, 1, 21, 0,
         "Name:..................\n"
         "Art:.......................6\n"
         "Schwierigkeit:.......10000\n"
         "Note:....................1\n"
         "Aufgaben:............21\n"
         "Fehler:..................0\n"
         "Endzeit:................Tue Nov 14 22:13:20 2023\n"
         "---------------------------------------------------------------------------------------"
         "\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(seriesRecord(c.name, c.type, c.limit, c.grade, c.answered, c.errors, time),
                  c.record);
}

TEST(DrillLogAppends, CreateTheLogAndNeverTouchWhatIsThere)
{
    TempDirectory directory;
    appendStartRecord("Mon Jan 01 10:00:00 2024\n");
    EXPECT_EQ(directory.read("tovu"),
              asStoredInLog("Startzeit:..............Mon Jan 01 10:00:00 2024\n"));

    const std::string earlier = std::string(100000, 'x') + "\r\nold line without end";
    directory.write("tovu", earlier);
    appendNameEntryRecord("Mon Jan 01 10:00:05 2024\n");
    appendSeriesRecord("Jo", 3, 100, 2, 20, 1, "Mon Jan 01 10:09:00 2024\n");
    // The line a killed drill left without its end is ended first, so no record joins it.
    EXPECT_EQ(directory.read("tovu"),
              earlier + asStoredInLog(
                            "\nLogzeit:...............Mon Jan 01 10:00:05 2024\n" +
                            seriesRecord("Jo", 3, 100, 2, 20, 1, "Mon Jan 01 10:09:00 2024\n")));
}
