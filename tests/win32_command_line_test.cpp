// The launcher's command line: what the started program's parser makes of it is what was handed
// on, whatever the argument holds.
#include "drillstart/command_line.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

TEST(LauncherCommandLine, IsTakenApartIntoTheArgumentsHandedOn)
{
    const std::wstring program = L"C:\\Program Files\\drill-suite\\drillreport.exe";
    const std::vector<std::wstring> cases[] = {
        {},
        {L"tovu"},
        {L"C:\\Klasse 4b\\pc01\\tovu", L"D:\\stick\\pc02\\tovu"},
        {L"E:\\"},                    // a drive dropped: its backslash before the closing quote
        {L"C:\\Neuer Ordner\\", L""}, // a blank, and nothing at all
        {L"a\"b", L"\"", L"\\\"", L"x\\\\\"y z"},
        {L"\\\\server\\klasse4b\\", L"pc\\\\01"},
        {L"tab\there", L"line\nend", L"J\u00fcrgen \u00d6zlem"},
    };
    for (const std::vector<std::wstring>& arguments : cases) {
        const std::wstring line = commandLine(program, arguments);
        int count = 0;
        wchar_t** parts = CommandLineToArgvW(line.c_str(), &count);
        ASSERT_NE(parts, nullptr);
        const std::vector<std::wstring> parsed(parts, parts + count);
        LocalFree(parts);
        std::vector<std::wstring> expected{program};
        expected.insert(expected.end(), arguments.begin(), arguments.end());
        EXPECT_EQ(parsed, expected) << std::string(line.begin(), line.end());
    }
}

TEST(LauncherMessage, ShowsControlCharactersAsReplacement)
{
    EXPECT_EQ(withControlsReplaced(L"dr\till\r\n\u0085x \u00e4"),
              L"dr\ufffdill\ufffd\ufffd\ufffdx \u00e4");
}
