// Tables laid out in columns by characters, not bytes, so that umlauts keep them aligned.
#include "text_report.h"

#include "report_tables.h"
#include "utf8_text.h"

#include <algorithm>

namespace {

constexpr std::size_t columnGap = 2;

void appendTable(std::string& text, const Table& table)
{
    std::vector<std::size_t> widths(table.header.size(), 0);
    const auto measure = [&widths](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i)
            widths[i] = std::max(widths[i], characterCount(cells[i]));
    };
    measure(table.header);
    for (const auto& row : table.rows)
        measure(row);
    const auto appendRow = [&](const std::vector<std::string>& cells) {
        std::string line;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const std::string padding(widths[i] - characterCount(cells[i]), ' ');
            if (i > 0)
                line.append(columnGap, ' ');
            if (i < table.textColumns)
                line += cells[i] + padding; // words to the left, figures to the right
            else
                line += padding + cells[i];
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += line;
        text += '\n';
    };
    appendRow(table.header);
    for (const auto& row : table.rows)
        appendRow(row);
}

} // namespace

std::string textReport(const ReportData& data)
{
    std::string text = headingLine(data);
    text += '\n';
    if (data.series.empty()) {
        text += reportTexts::noSeries;
        text += '\n';
        return text;
    }
    const std::vector<LearnerFigures> learners = learnerFigures(data);
    text += '\n';
    appendTable(text, learnersTable(data, learners));
    for (const LearnerFigures& learner : learners) {
        text += '\n';
        text += shownName(data, learner.learner);
        text += '\n';
        appendTable(text, kindsTable(learner));
    }
    return text;
}
