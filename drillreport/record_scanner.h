// Finds the drill's series records among a log's lines, one line at a time, and counts the
// lines and records it leaves out.
#pragma once

#include "drillreport/log_time.h"

#include <cstdint>
#include <string>
#include <string_view>

struct ScannedSeries {
    std::string loggedName; // the name's bytes as the log holds them
    std::int32_t kind = 0;
    std::int32_t limit = 0;
    std::int32_t grade = 0;
    std::int32_t exercises = 0;
    std::int32_t errors = 0;
    LogMoment end = 0;
};

struct RecordScanner {
    ScannedSeries series;            // the series record being read
    std::int32_t linesRead = 0;      // of that record; 0 while none is open
    bool valuesValid = false;        // every value read so far is well-formed
    std::int64_t linesLeftOut = 0;   // lines that belong to no record
    std::int64_t recordsLeftOut = 0; // series records whose values are not valid
};

// Takes a log's next line. True when it completed a valid series record, now in
// scanner.series; start and name-entry records are passed over.
bool scanLine(RecordScanner& scanner, std::string_view line);

// The lines of a record still open are left out: at the end of a log, or where a line breaks
// the record's order.
void leaveOutOpenRecord(RecordScanner& scanner);
