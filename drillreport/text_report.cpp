// Tables laid out in columns by characters, not bytes, so that umlauts keep them aligned.
#include "drillreport/text_report.h"

#include "drillreport/report_tables.h"
#include "drillreport/utf8_text.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::size_t columnGap = 2;

void appendTable(PieceOutput& out, const Table& table)
{
    // The widths from every row first: the rows are made twice rather than held.
    std::vector<std::size_t> widths(table.header.size(), 0);
    const auto measure = [&widths](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i)
            widths[i] = std::max(widths[i], characterCount(cells[i]));
    };
    measure(table.header);
    for (std::size_t row = 0; row < table.rows; ++row)
        measure(table.cells(row));
    const auto appendRow = [&](const std::vector<std::string>& cells) {
        const std::size_t lineStart = out.text.size();
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const std::size_t padding = widths[i] - characterCount(cells[i]);
            if (i > 0)
                out.text.append(columnGap, ' ');
            if (i < table.textColumns) { // words to the left, figures to the right
                out.text += cells[i];
                out.text.append(padding, ' ');
            } else {
                out.text.append(padding, ' ');
                out.text += cells[i];
            }
        }
        const std::size_t lineEnd = out.text.find_last_not_of(' ');
        out.text.erase(lineEnd == std::string::npos || lineEnd < lineStart ? lineStart
                                                                           : lineEnd + 1);
        out.text += '\n';
        handOn(out, false);
    };
    appendRow(table.header);
    for (std::size_t row = 0; row < table.rows; ++row)
        appendRow(table.cells(row));
}

} // namespace

bool writeTextReport(const ReportData& data, const ReportWriter& write)
{
    PieceOutput out = startPieces(write, headingLine(data));
    out.text += '\n';
    if (data.series.empty()) {
        out.text += reportTexts::noSeries;
        out.text += '\n';
        handOn(out, true);
        return !out.failed;
    }
    const std::vector<LearnerFigures> learners = learnerFigures(data);
    out.text += '\n';
    appendTable(out, learnersTable(data, learners));
    for (const LearnerFigures& learner : learners) {
        if (out.failed)
            return false;
        out.text += '\n';
        out.text += shownName(data, learner.learner);
        out.text += '\n';
        appendTable(out, kindsTable(learner));
    }
    handOn(out, true);
    return !out.failed;
}
