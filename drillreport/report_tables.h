// The report's tables as cells of text, the same for the terminal and the page: per learner,
// and per kind and number range of one learner.
#pragma once

#include "drillreport/figures.h"
#include "drillreport/report_texts.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The rows' cells are made when asked for, one row at a time, so that a table of a great many
// learners never stands in memory whole.
struct Table {
    std::vector<std::string> header;
    std::size_t rows = 0;
    std::function<std::vector<std::string>(std::size_t row)> cells;
    std::size_t textColumns = 1; // the leading columns hold words; the others figures
};

// The tables refer to what they are made of: it must outlive them.
Table learnersTable(const ReportData& data, const std::vector<LearnerFigures>& learners);
Table kindsTable(const LearnerFigures& learner);

// The page's form of either table, lighter for a page of many learners: the kind and its
// range in one cell ("Addition 0-10"), the first and last grade in one ("5 \u2192 2") and
// the first and last date in one ("01.03.2026 \u2013 24.04.2026").
Table pageTable(Table table);

// The mean grade with one decimal, "2,3".
std::string averageGradeText(const Figures& figures);

// "0-25", and with the kind's word, "Subtraktion 0-25".
std::string rangeOf(std::int32_t limit);
std::string kindAndRange(const KindFigures& kind);

// The name as shown, a stand-in for the empty one.
std::string shownName(const ReportData& data, std::int32_t learner);

// "3 Protokolle, 52 Serien, 4 Namen, 07.12.2026 bis 19.12.2026", and the period asked for:
// ", Zeitraum vom 01.12.2026 bis 31.12.2026"
std::string headingLine(const ReportData& data);

// "1 Serie", "5 Serien"
std::string counted(std::int64_t count, reportTexts::CountWord word);
