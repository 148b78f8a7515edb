// drillreport.exe started from the desktop: without a command prompt to read a table in, it
// writes the page of the logs dropped onto it (of the log here without any), says where, and
// shows it in the default browser.
#include "drillreport/desktop_mode_win32.h"

#include "drillreport/report_data.h"
#include "drillreport/report_options.h"
#include "drillreport/report_platform.h"
#include "drillreport/report_run.h"
#include "drillreport/report_texts.h"
#include "drillreport/shown_text.h"
#include "logtext/utf16_win32.h"

#include <knownfolders.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
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

bool isFolder(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(utf16FromUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string folderOf(const std::string& path)
{
    const std::size_t end = path.find_last_of("\\/");
    return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

// The user's Documents folder as the shell knows it (also when redirected); empty when none.
std::string documentsFolder()
{
    PWSTR documents = nullptr;
    std::string folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Documents, KF_FLAG_CREATE, nullptr, &documents)))
        folder = utf8FromUtf16(documents) + '\\';
    CoTaskMemFree(documents);
    return folder;
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

// Where the page goes unless the command line names it: in the first folder named, or beside
// the first log; in the working folder when none is named.
std::string pageBeside(const ReportOptions& options, const std::vector<std::string>& logs)
{
    if (options.logs.empty())
        return fullPath(std::string(reportTexts::desktopPage));
    const std::string first = fullPath(options.logs.front());
    const std::string folder = isFolder(first) ? first + '\\' : folderOf(fullPath(logs.front()));
    return folder + std::string(reportTexts::desktopPage);
}

// The page written at `page`; empty, and why said, when it could not be.
std::string writtenAt(const std::string& page, const std::vector<std::string>& logs,
                      const ReportData& data)
{
    if (pageIsALog(page, logs)) {
        writeMessage(shownFileName(page) + std::string(reportTexts::pageIsALog));
        return {};
    }
    return writePage(page, data) ? page : std::string();
}

// The page where the command line names it, else beside the logs; where their folder cannot
// be written (a read-only stick), in the user's Documents.
std::string writtenPage(const ReportOptions& options, const std::vector<std::string>& logs,
                        const ReportData& data)
{
    if (!options.pagePath.empty())
        return writtenAt(fullPath(options.pagePath), logs, data);
    const std::string beside = pageBeside(options, logs);
    const std::string documents = documentsFolder();
    if (documents.empty() || pageIsALog(beside, logs))
        return writtenAt(beside, logs, data);
    const ReplaceOutcome outcome = replacePage(beside, data);
    if (outcome == ReplaceOutcome::Failed)
        return writtenAt(documents + std::string(reportTexts::desktopPage), logs, data);
    return pageWritten(beside, outcome) ? beside : std::string();
}

} // namespace

bool startedAlone()
{
    // A command prompt shares its console; Explorer and a shortcut make one for the program.
    DWORD processes[2] = {};
    return GetConsoleProcessList(processes, 2) == 1;
}

int showPage(const std::vector<std::string>& arguments)
{
    ReportOptions options;
    std::string problem;
    if (parseOptions(arguments, options, problem) != OptionsOutcome::Run ||
        options.form == ReportForm::Csv)
        return waitedFor(runDrillReport(arguments, WildcardExpansion::ByTheProgram));
    const std::vector<std::string> logs = logsToRead(options, WildcardExpansion::ByTheProgram);
    ReportData data;
    keepAsOptionsSay(data, options);
    const bool read = readLogs(data, logs);
    if (data.series.empty()) {
        writeLine(reportTexts::noSeries);
        return waitedFor(read ? exitDone : exitUnreadable);
    }
    const std::string page = writtenPage(options, logs, data);
    if (page.empty())
        return waitedFor(exitUnreadable);
    writeLine(std::string(reportTexts::pageSavedIn) + shownFileName(page));
    if (!openInBrowser(page)) {
        writeMessage(shownFileName(page) + std::string(reportTexts::cannotShow));
        return waitedFor(exitUnreadable);
    }
    return read ? exitDone : waitedFor(exitUnreadable);
}
