// Starts a program in a console of its own, as Explorer does, but with this process's standard
// handles, so that a test feeds its keys and reads its output; answers the program's exit code.
// Usage: win32_own_console PROGRAM [ARGUMENT ...]
#include <windows.h>

namespace {

// The command line after this program's own name, as it was typed.
wchar_t* commandAfterOwnName()
{
    wchar_t* line = GetCommandLineW();
    const bool quoted = *line == L'"';
    line += quoted ? 1 : 0;
    while (*line != L'\0' && *line != (quoted ? L'"' : L' '))
        ++line;
    line += *line == L'"' ? 1 : 0;
    while (*line == L' ')
        ++line;
    return line;
}

HANDLE inheritable(DWORD which)
{
    HANDLE copy = nullptr;
    DuplicateHandle(GetCurrentProcess(), GetStdHandle(which), GetCurrentProcess(), &copy, 0, TRUE,
                    DUPLICATE_SAME_ACCESS);
    return copy;
}

} // namespace

int main()
{
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inheritable(STD_INPUT_HANDLE);
    startup.hStdOutput = inheritable(STD_OUTPUT_HANDLE);
    startup.hStdError = inheritable(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, commandAfterOwnName(), nullptr, nullptr, TRUE, CREATE_NEW_CONSOLE,
                        nullptr, nullptr, &startup, &process))
        return 125;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 125;
    GetExitCodeProcess(process.hProcess, &code);
    return static_cast<int>(code);
}
