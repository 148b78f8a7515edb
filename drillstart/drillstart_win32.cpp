// drillstart.exe: starts a program that lies beside it in the user's folder
// Documents\Rechentrainer, made when missing, so that every Start-menu entry shares one tovu.
#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <string>
#include <string_view>

namespace {

// The launcher's German texts.
constexpr std::wstring_view userFolderName = L"Rechentrainer";
constexpr std::wstring_view noFolderText = L"Der Ordner „Rechentrainer“ in den Dokumenten kann "
                                           L"nicht angelegt werden.";
constexpr std::wstring_view noProgramText = L"Das Programm kann nicht gestartet werden: ";

// The user's Documents folder as the shell knows it (also when redirected to a server),
// with the folder of the programs inside, made when missing; empty when that fails.
std::wstring userFolder()
{
    PWSTR documents = nullptr;
    if (FAILED(SHGetKnownFolderPath(FOLDERID_Documents, KF_FLAG_CREATE, nullptr, &documents))) {
        return {};
    }
    std::wstring folder = std::wstring(documents) + L'\\' + std::wstring(userFolderName);
    CoTaskMemFree(documents);
    if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        return {};
    }
    return folder;
}

// PROGRAM.exe beside this launcher; empty unless the name is a plain word of letters, so
// that the argument can never name another folder.
std::wstring programBeside(std::wstring_view name)
{
    if (name.empty() || name.find_first_not_of(L"abcdefghijklmnopqrstuvwxyz") != name.npos) {
        return {};
    }
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    while (length == path.size()) {
        path.resize(path.size() * 2);
        length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    }
    path.resize(path.find_last_of(L'\\', length) + 1);
    return path + std::wstring(name) + L".exe";
}

bool hasStandardHandles()
{
    for (DWORD which : {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE}) {
        HANDLE handle = GetStdHandle(which);
        if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
            return false;
        }
    }
    return true;
}

// Starts the program in the folder and waits for its exit status; false when it cannot
// start. Started from the shell the launcher has no standard handles, and a console program
// gets a console of its own; started from a script, the program reads and writes the
// script's handles instead.
bool runProgram(const std::wstring& program, const std::wstring& folder, DWORD& status)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    bool passHandles = hasStandardHandles();
    if (passHandles) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        for (HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) {
            SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
        }
    }
    std::wstring commandLine = L'"' + program + L'"';
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, passHandles, 0,
                        nullptr, folder.c_str(), &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hProcess);
    return true;
}

void tellUser(const std::wstring& text)
{
    MessageBoxW(nullptr, text.c_str(), userFolderName.data(), MB_OK | MB_ICONERROR);
}

} // namespace

// Usage: drillstart.exe PROGRAM   (drill, drillview or drillreport, without .exe)
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int)
{
    std::wstring folder = userFolder();
    if (folder.empty()) {
        tellUser(std::wstring(noFolderText));
        return 1;
    }
    std::wstring program = programBeside(arguments);
    DWORD status = 1;
    if (program.empty() || !runProgram(program, folder, status)) {
        tellUser(std::wstring(noProgramText) + arguments);
        return 1;
    }
    return static_cast<int>(status);
}
