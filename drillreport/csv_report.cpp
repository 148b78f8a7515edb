// Fields quoted as RFC 4180 says, so that a spreadsheet opens the file at a click whichever
// separator it guesses.
#include "drillreport/csv_report.h"

#include "drillreport/report_texts.h"
#include "logtext/drill_rules.h"

#include <charconv>
#include <initializer_list>

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view lineEnd = "\r\n";

// The numbers after the kind, each after a semicolon.
void appendNumbers(std::string& line, std::initializer_list<std::int64_t> values)
{
    char digits[96];
    char* out = digits;
    for (const std::int64_t value : values) {
        *out++ = ';';
        out = std::to_chars(out, digits + sizeof digits, value).ptr;
    }
    line.append(digits, out);
}

} // namespace

std::string csvField(std::string_view text)
{
    std::string field;
    // No spreadsheet may run a learner's name as a formula.
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos)
        field += '\'';
    field += text;
    // A comma or a tab is quoted too: a spreadsheet may guess either as the separator.
    if (field.find_first_of(";,\t\"\r\n") == std::string::npos)
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

bool writeCsvReport(const ReportData& data, const ReportWriter& write)
{
    std::vector<std::string> names;
    names.reserve(data.learnerNames.size());
    for (const std::string& name : data.learnerNames)
        names.push_back(csvField(name));
    PieceOutput out = startPieces(write);
    std::string& text = out.text;
    text += byteOrderMark;
    text += reportTexts::csvHeader;
    text += lineEnd;
    // The series come in time order: a day's date is worked out once for all its series.
    std::int64_t day = 0;
    std::string date;
    for (const SeriesEntry& entry : data.series) {
        text += names[static_cast<std::size_t>(entry.learner)];
        text += ';';
        if (date.empty() || dayOf(entry.end) != day) {
            day = dayOf(entry.end);
            date.clear();
            appendIsoDate(date, entry.end);
        }
        text += date;
        text += ' ';
        appendClockTime(text, entry.end);
        text += ';';
        text += kindWord(entry.kind);
        appendNumbers(text, {entry.limit, entry.exercises, entry.errors,
                             errorPercentage(entry.errors, entry.exercises), entry.grade});
        text += lineEnd;
        handOn(out);
        if (out.failed)
            return false;
    }
    handOn(out, true);
    return !out.failed;
}
