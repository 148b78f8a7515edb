// The report as one self-contained page: the learners' table, and per learner a chart of
// the series and the table of kinds. No script, nothing loaded from elsewhere, printable.
#pragma once

#include "report_data.h"

#include <string>

// Series must be counted (countSeries). Says so when there are none.
std::string htmlPage(const ReportData& data);
