// The report for a terminal: the heading, the learners' table, then each learner's kinds.
#pragma once

#include "report_data.h"

#include <functional>
#include <string_view>

// Handed to write a piece at a time, so that the whole never stands in memory; series must be
// counted (countSeries). Says so when there are none. False as soon as write fails.
bool writeTextReport(const ReportData& data, const std::function<bool(std::string_view)>& write);
