// drillstart.exe: starts a program that lies beside it, with the arguments that follow its
// name, in the user's folder Documents\Rechentrainer, or, when the installer was given a
// class folder, in the user's folder there; each made when missing, so that every Start-menu
// entry shares one tovu. The class overview is drillreport's page of the whole class folder,
// written in the user's Documents.
#include "drillstart/command_line.h"
#include "drillstart/launcher_facts.h"
#include "logtext/utf16_win32.h"
#include "logtext/write_all_win32.h"

#include <windows.h>

#include <knownfolders.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

// The launcher's German texts; its messages begin with its name.
constexpr std::wstring_view launcherName = L"drillstart";
constexpr std::wstring_view cannotStart = L" kann nicht gestartet werden";
constexpr std::wstring_view noFolderBefore = L": Der Ordner „";
constexpr std::wstring_view noFolderAfter = L"“ kann nicht angelegt werden.";
constexpr std::wstring_view noDocuments = L": Es gibt keinen Ordner „Dokumente“.";
constexpr std::wstring_view noClassFolder = L": Es ist kein Klassenordner eingestellt.";
constexpr std::wstring_view noProgram = L"Es ist kein Programm angegeben.";

constexpr std::wstring_view reportProgram = L"drillreport";

bool hasStandardHandles()
{
    for (DWORD which : {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE}) {
        HANDLE handle = GetStdHandle(which);
        if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
            return false;
    }
    return true;
}

// Started from a script, on its standard error; from the shell, which gives none, in a box.
void tellUser(std::wstring_view text)
{
    if (hasStandardHandles()) {
        // Nothing is left to tell when standard error fails too.
        (void)writeAll(GetStdHandle(STD_ERROR_HANDLE),
                       utf8FromUtf16(std::wstring(launcherName) + L": " + std::wstring(text)) +
                           "\r\n");
        return;
    }
    MessageBoxW(nullptr, std::wstring(text).c_str(), std::wstring(launcherName).c_str(),
                MB_OK | MB_ICONERROR);
}

std::wstring withSeparator(std::wstring folder)
{
    if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/')
        folder += L'\\';
    return folder;
}

// The user's Documents folder as the shell knows it (also when redirected to a server),
// ending in a separator; empty when there is none.
std::wstring documentsFolder()
{
    PWSTR documents = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Documents, KF_FLAG_CREATE, nullptr, &documents)))
        folder = withSeparator(documents);
    CoTaskMemFree(documents);
    return folder;
}

// The class folder the installer was given, ending in a separator; empty when none.
std::wstring classFolder()
{
    const std::wstring key(launcherFacts::settingsKey);
    const std::wstring value(launcherFacts::classFolderValue);
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), value.c_str(), RRF_RT_REG_SZ, nullptr,
                     nullptr, &bytes) != ERROR_SUCCESS)
        return {};
    std::wstring folder(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), value.c_str(), RRF_RT_REG_SZ, nullptr,
                     folder.data(), &bytes) != ERROR_SUCCESS)
        return {};
    folder.resize(folder.find(L'\0'));
    return withSeparator(folder);
}

std::wstring userName()
{
    wchar_t name[257] = L""; // the longest user name and its end
    DWORD length = 257;
    return GetUserNameW(name, &length) ? std::wstring(name) : std::wstring();
}

// The folder there, made when missing; false when it is not a folder afterwards (a file of
// that name is in the way, or it cannot be made).
bool madeFolder(const std::wstring& folder)
{
    if (CreateDirectoryW(folder.c_str(), nullptr))
        return true;
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Where the programs work for this user: in the class folder when one is set, else in the
// Documents; empty when there is neither.
std::wstring workFolder()
{
    const std::wstring shared = classFolder();
    if (!shared.empty()) {
        const std::wstring user = userName();
        return user.empty() ? std::wstring() : shared + user;
    }
    const std::wstring documents = documentsFolder();
    return documents.empty() ? std::wstring() : documents + std::wstring(launcherFacts::userFolder);
}

// PROGRAM.exe beside this launcher; empty unless the name is a plain word of letters, so
// that the argument can never name another folder.
std::wstring programBeside(std::wstring_view name)
{
    if (name.empty() || name.find_first_not_of(L"abcdefghijklmnopqrstuvwxyz") != name.npos)
        return {};
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    while (length == path.size()) {
        path.resize(path.size() * 2);
        length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    }
    path.resize(path.find_last_of(L'\\', length) + 1);
    return path + std::wstring(name) + L".exe";
}

// Starts the program in the folder and waits for its exit status; false when it cannot
// start. Started from the shell the launcher has no standard handles, and a console program
// gets a console of its own; started from a script, the program reads and writes the
// script's handles instead.
bool runProgram(const std::wstring& program, const std::vector<std::wstring>& arguments,
                const std::wstring& folder, DWORD& status)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    bool passHandles = hasStandardHandles();
    if (passHandles) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        for (HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError})
            SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    }
    std::wstring line = commandLine(program, arguments);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, passHandles, 0, nullptr,
                        folder.c_str(), &startup, &process))
        return false;
    CloseHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hProcess);
    return true;
}

// The program started in its folder; answers its exit code, or 1 when it could not start.
int start(std::wstring_view name, const std::vector<std::wstring>& arguments,
          const std::wstring& folder)
{
    const std::wstring shownName = withControlsReplaced(name) + L".exe";
    if (folder.empty()) { // the user has no Documents folder
        tellUser(shownName + std::wstring(cannotStart) + std::wstring(noDocuments));
        return 1;
    }
    if (!madeFolder(folder)) {
        tellUser(shownName + std::wstring(cannotStart) + std::wstring(noFolderBefore) +
                 withControlsReplaced(folder) + std::wstring(noFolderAfter));
        return 1;
    }
    const std::wstring program = programBeside(name);
    DWORD status = 1;
    if (program.empty() || !runProgram(program, arguments, folder, status)) {
        tellUser(shownName + std::wstring(cannotStart) + L'.');
        return 1;
    }
    return static_cast<int>(status);
}

// drillreport's page of the class folder, in the user's Documents: never in the class
// folder, where every learner could read the whole class's results.
int startClassOverview()
{
    const std::wstring shared = classFolder();
    if (shared.empty()) {
        tellUser(std::wstring(reportProgram) + L".exe" + std::wstring(cannotStart) +
                 std::wstring(noClassFolder));
        return 1;
    }
    const std::wstring documents = documentsFolder();
    return start(reportProgram,
                 {L"--html", documents + std::wstring(launcherFacts::pageName), shared}, documents);
}

} // namespace

// Usage: drillstart.exe PROGRAM [ARGUMENT ...]   (drill, drillview or drillreport, without
//        .exe; the arguments are handed on, as files dropped onto an entry are)
//        drillstart.exe --klassenuebersicht   (the class overview)
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    int count = 0;
    wchar_t** given = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::vector<std::wstring> words(given, given == nullptr ? given : given + count);
    LocalFree(given);
    if (words.size() < 2) {
        tellUser(noProgram);
        return 1;
    }
    if (words[1] == launcherFacts::classOverviewArgument && words.size() == 2)
        return startClassOverview();
    return start(words[1], {words.begin() + 2, words.end()}, workFolder());
}
