// The report as one self-contained page: the learners' table, and per learner a chart of
// the series and the table of kinds. No script, nothing loaded from elsewhere, printable.
#pragma once

#include "drillreport/piece_output.h"
#include "drillreport/report_data.h"

// Handed to write a piece at a time; series must be counted (countSeries). Says so when there
// are none. False as soon as write fails.
bool writeHtmlPage(const ReportData& data, const ReportWriter& write);
