// The report for a terminal: the heading, the learners' table, then each learner's kinds.
#pragma once

#include "report_data.h"

#include <string>

// Series must be counted (countSeries). Says so when there are none.
std::string textReport(const ReportData& data);
