// One line per series for spreadsheets: semicolons, UTF-8 with a byte order mark, CR LF.
#pragma once

#include "drillreport/piece_output.h"
#include "drillreport/report_data.h"

#include <string>
#include <string_view>

// A field as a spreadsheet must get it: quoted where it holds a semicolon, a comma, a tab, a
// quote or a line end, and with a leading ' where it could start a formula.
std::string csvField(std::string_view text);

// The header and a line per series, in time order, handed to write a piece at a time, so that
// the whole never stands in memory; series must be counted (countSeries). False as soon as
// write fails.
bool writeCsvReport(const ReportData& data, const ReportWriter& write);
