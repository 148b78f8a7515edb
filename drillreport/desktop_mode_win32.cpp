// drillreport.exe started from the desktop: without a command prompt to read a table in, it
// writes the page of the log here, says where, and shows it in the default browser.
#include "drillreport/desktop_mode_win32.h"

#include "drillreport/report_data.h"
#include "drillreport/report_platform.h"
#include "drillreport/report_run.h"
#include "drillreport/report_texts.h"
#include "logtext/drill_log_format.h"
#include "logtext/utf16_win32.h"

#include <objbase.h>
#include <shellapi.h>
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

// The path made absolute against the working folder; as it is when that fails.
std::string fullPath(const std::string& path)
{
    const std::wstring wide = utf16FromUtf8(path);
    const DWORD units = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (units == 0)
        return path;
    std::wstring full(units, L'\0');
    const DWORD written = GetFullPathNameW(wide.c_str(), units, full.data(), nullptr);
    if (written == 0 || written >= units)
        return path;
    full.resize(written);
    return utf8FromUtf16(full);
}

// False when the system could not start a browser.
bool openInBrowser(const std::string& path)
{
    // The shell may hand the page to a handler of its own that needs COM.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const HINSTANCE opened = ShellExecuteW(nullptr, L"open", utf16FromUtf8(path).c_str(), nullptr,
                                           nullptr, SW_SHOWNORMAL);
    if (SUCCEEDED(com))
        CoUninitialize();
    return reinterpret_cast<INT_PTR>(opened) > 32;
}

void waitForKey()
{
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    DWORD read = 0;
    if (!GetConsoleMode(input, &mode)) {
        char byte = 0;
        (void)ReadFile(input, &byte, 1, &read, nullptr); // input redirected: one byte or its end
        return;
    }
    // Only a key pressed from now on: nothing typed ahead, no key let go, no mouse.
    FlushConsoleInputBuffer(input);
    INPUT_RECORD event = {};
    while (ReadConsoleInputW(input, &event, 1, &read) && read == 1) {
        if (event.EventType == KEY_EVENT && event.Event.KeyEvent.bKeyDown)
            return;
    }
}

void writeLine(std::string_view text)
{
    // What cannot reach the screen cannot be read there either.
    (void)writeStandardOutput(std::string(text) + '\n');
}

// The console closes with the program: what went wrong stays until a key is pressed.
int waitedFor(int exitCode)
{
    writeLine(reportTexts::pressAKey);
    waitForKey();
    return exitCode;
}

} // namespace

bool startedAlone()
{
    // A command prompt shares its console; Explorer and a shortcut make one for the program.
    DWORD processes[2] = {};
    return GetConsoleProcessList(processes, 2) == 1;
}

int showPageHere()
{
    ReportData data;
    const std::vector<std::string> logs = {std::string(logFormat::fileName)};
    const bool read = readLogs(data, logs);
    if (data.series.empty()) {
        writeLine(reportTexts::noSeries);
        return waitedFor(read ? exitDone : exitUnreadable);
    }
    const std::string page = fullPath(std::string(reportTexts::desktopPage));
    if (pageIsALog(page, logs)) {
        writeMessage(page + std::string(reportTexts::pageIsALog));
        return waitedFor(exitUsage);
    }
    if (!writePage(page, data))
        return waitedFor(exitUnreadable);
    writeLine(std::string(reportTexts::pageSavedIn) + page);
    if (!openInBrowser(page)) {
        writeMessage(page + std::string(reportTexts::cannotShow));
        return waitedFor(exitUnreadable);
    }
    return exitDone;
}
