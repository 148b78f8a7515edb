// Quoting by the rules the started program's parser undoes: backslashes are plain unless a
// quote follows them, 2n backslashes and a quote are n backslashes and the end of the quotes,
// 2n + 1 and a quote are n backslashes and a quote.
#include "drillstart/command_line.h"

#include "logtext/shown_character.h"

std::wstring quotedArgument(std::wstring_view argument)
{
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring_view::npos)
        return std::wstring(argument);
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t unit : argument) {
        if (unit == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(unit == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += unit;
    }
    // The closing quote follows: the backslashes before it are doubled.
    quoted.append(2 * backslashes, L'\\');
    quoted += L'"';
    return quoted;
}

std::wstring commandLine(std::wstring_view program, const std::vector<std::wstring>& arguments)
{
    std::wstring line = quotedArgument(program);
    for (const std::wstring& argument : arguments) {
        line += L' ';
        line += quotedArgument(argument);
    }
    return line;
}

std::wstring withControlsReplaced(std::wstring_view text)
{
    std::wstring shown(text);
    // Every control character is one unit of UTF-16, and no unit of a surrogate pair is one.
    for (wchar_t& unit : shown)
        unit = static_cast<wchar_t>(shownCharacter(unit));
    return shown;
}
