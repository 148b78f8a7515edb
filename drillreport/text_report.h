// The report for a terminal: the heading, the learners' table, then each learner's kinds.
#pragma once

#include "drillreport/piece_output.h"
#include "drillreport/report_data.h"

// Handed to write a piece at a time, so that the whole never stands in memory; series must be
// counted (countSeries). Says so when there are none. False as soon as write fails.
bool writeTextReport(const ReportData& data, const ReportWriter& write);
