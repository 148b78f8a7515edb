// Fields quoted as RFC 4180 says, so that a German spreadsheet opens the file at a click.
#include "csv_report.h"

#include "drill_rules.h"
#include "report_texts.h"

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view lineEnd = "\r\n";

void appendNumber(std::string& line, std::int64_t value)
{
    line += ';';
    line += std::to_string(value);
}

} // namespace

std::string csvField(std::string_view text)
{
    std::string field;
    // No spreadsheet may run a learner's name as a formula.
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos)
        field += '\'';
    field += text;
    if (field.find_first_of(";\"\r\n") == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (const char c : field) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string csvReport(const ReportData& data)
{
    std::vector<std::string> names;
    names.reserve(data.learnerNames.size());
    for (const std::string& name : data.learnerNames)
        names.push_back(csvField(name));
    std::string text(byteOrderMark);
    text += reportTexts::csvHeader;
    text += lineEnd;
    for (const SeriesEntry& entry : data.series) {
        text += names[static_cast<std::size_t>(entry.learner)];
        text += ';';
        appendDateTime(text, entry.end);
        text += ';';
        text += kindWord(entry.kind);
        appendNumber(text, entry.limit);
        appendNumber(text, entry.exercises);
        appendNumber(text, entry.errors);
        appendNumber(text, errorPercentage(entry.errors, entry.exercises));
        appendNumber(text, entry.grade);
        text += lineEnd;
    }
    return text;
}
