// The cells of the report's tables, formatted once for every output.
#include "drillreport/report_tables.h"

#include "logtext/drill_rules.h"

namespace {

std::string date(LogMoment moment)
{
    std::string text;
    appendDate(text, moment);
    return text;
}

std::vector<std::string> header(std::vector<std::string> cells)
{
    cells.insert(cells.end(), reportTexts::figureColumns.begin(), reportTexts::figureColumns.end());
    return cells;
}

// The figure columns of one row, after its leading words.
std::vector<std::string> row(std::vector<std::string> cells, const Figures& figures)
{
    cells.push_back(std::to_string(figures.series));
    cells.push_back(std::to_string(figures.exercises));
    cells.push_back(std::to_string(figures.errors));
    cells.push_back(std::to_string(errorPercentageOf(figures)) + "%");
    cells.push_back(averageGradeText(figures));
    cells.push_back(std::to_string(figures.firstGrade));
    cells.push_back(std::to_string(figures.lastGrade));
    cells.push_back(date(figures.first));
    cells.push_back(date(figures.last));
    return cells;
}

} // namespace

Table learnersTable(const ReportData& data, const std::vector<LearnerFigures>& learners)
{
    return {header({std::string(reportTexts::nameColumn)}), learners.size(),
            [&data, &learners](std::size_t at) {
                return row({shownName(data, learners[at].learner)}, learners[at].total);
            },
            1};
}

Table kindsTable(const LearnerFigures& learner)
{
    return {header({std::string(reportTexts::kindColumn), std::string(reportTexts::rangeColumn)}),
            learner.kinds.size(),
            [&learner](std::size_t at) {
                const KindFigures& kind = learner.kinds[at];
                return row({std::string(kindWord(kind.kind)), rangeOf(kind.limit)}, kind.figures);
            },
            2};
}

Table pageTable(Table table)
{
    const bool kinds = table.textColumns == 2;
    std::vector<std::string>& header = table.header;
    const std::size_t grades = header.size() - 4; // the first and last grade, then the dates
    header[grades] = reportTexts::pageColumns[0];
    header[grades + 1] = reportTexts::pageColumns[1];
    header.resize(grades + 2);
    if (kinds)
        header.erase(header.begin() + 1);
    table.textColumns = 1;
    table.cells = [cells = std::move(table.cells), grades, kinds](std::size_t at) {
        std::vector<std::string> row = cells(at);
        row[grades] += reportTexts::gradesJoint;
        row[grades] += row[grades + 1];
        row[grades + 1] = row[grades + 2] + std::string(reportTexts::datesJoint) + row[grades + 3];
        row.resize(grades + 2);
        if (kinds) {
            row[0] += ' ';
            row[0] += row[1];
            row.erase(row.begin() + 1);
        }
        return row;
    };
    return table;
}

std::string averageGradeText(const Figures& figures)
{
    const std::int64_t tenths = averageGradeTenths(figures);
    return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10);
}

std::string rangeOf(std::int32_t limit)
{
    return std::string(rangeFrom) + std::to_string(limit);
}

std::string kindAndRange(const KindFigures& kind)
{
    return std::string(kindWord(kind.kind)) + ' ' + rangeOf(kind.limit);
}

std::string shownName(const ReportData& data, std::int32_t learner)
{
    const std::string& name = data.learnerNames[static_cast<std::size_t>(learner)];
    return name.empty() ? std::string(reportTexts::noName) : name;
}

std::string headingLine(const ReportData& data)
{
    std::string line = counted(data.logsRead, reportTexts::logsWord);
    line += reportTexts::listSeparator;
    line += counted(static_cast<std::int64_t>(data.series.size()), reportTexts::seriesWord);
    line += reportTexts::listSeparator;
    line += counted(static_cast<std::int64_t>(data.learnerNames.size()), reportTexts::namesWord);
    if (!data.series.empty()) {
        line += reportTexts::listSeparator;
        appendDate(line, data.series.front().end);
        line += reportTexts::until;
        appendDate(line, data.series.back().end);
    }
    if (data.from == earliestMoment && data.until == latestMoment)
        return line;
    line += reportTexts::listSeparator;
    line += reportTexts::period;
    if (data.from != earliestMoment) {
        line += data.until != latestMoment ? reportTexts::periodFrom : reportTexts::periodFromOnly;
        appendDate(line, data.from);
        if (data.until != latestMoment)
            line += reportTexts::until;
    } else {
        line += reportTexts::periodUntilOnly;
    }
    if (data.until != latestMoment)
        appendDate(line, data.until);
    return line;
}

std::string counted(std::int64_t count, reportTexts::CountWord word)
{
    std::string text = std::to_string(count);
    text += ' ';
    text += count == 1 ? word.one : word.many;
    return text;
}
