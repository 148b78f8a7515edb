// A test-only Win32 tool that looks at drillview.exe from outside, as another program on the
// same desktop: it finds the window by its title, reports what the window system knows of the
// window and its list, presses keys, and asks the window to close.
// Usage: win32_viewer_probe DESKTOP STEP...   Steps, run in order:
//   report        the window, the list and every row (in UTF-8), once the list is filled
//   tab, backtab  TAB or Shift+TAB, then which window has the keyboard focus
//   quit          posts WM_QUIT to the viewer's thread; the viewer must still answer
//   alt-f4        Alt+F4, then the exit code
//   close         the system menu's Close (WM_SYSCOMMAND, SC_CLOSE), then the exit code
//   close-message WM_CLOSE itself, then the exit code
//   time-close    WM_CLOSE as soon as the window exists, then the exit code, the viewer's time
//                 from its start to its end in milliseconds and its peak memory
//   time-fill     the same, with WM_CLOSE once the list is filled
//   count         whether the list holds more than one row, and its first row
// Answers 0 when every step could be carried out, 1 otherwise; the findings go to stdout.
#include "drillview/window_layout.h"

#include <windows.h>

#include <psapi.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <span>
#include <string>
#include <vector>

namespace {

constexpr DWORD findDeadline = 60000;
constexpr UINT answerDeadline = 60000;
constexpr DWORD fillDeadline = 120000;
constexpr DWORD exitDeadline = 60000;

struct Viewer {
    HWND window = nullptr;
    HWND list = nullptr;
    DWORD thread = 0;
    HANDLE process = nullptr;
    SIZE_T peakMemory = 0;
};

// The first child of class ListBox: the viewer's list, if it has one.
BOOL CALLBACK findList(HWND child, LPARAM found)
{
    char name[64] = "";
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, "ListBox") != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}

bool findViewer(Viewer& viewer, DWORD pollMilliseconds)
{
    std::printf("searching\n");
    std::fflush(stdout);
    const DWORD start = GetTickCount();
    while (!(viewer.window = FindWindowA(nullptr, windowLayout::title))) {
        if (GetTickCount() - start > findDeadline) {
            std::printf("error: no window titled \"%s\"\n", windowLayout::title);
            return false;
        }
        Sleep(pollMilliseconds);
    }
    DWORD processId = 0;
    viewer.thread = GetWindowThreadProcessId(viewer.window, &processId);
    viewer.process =
        OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (!viewer.process) {
        std::printf("error: cannot open the viewer's process\n");
        return false;
    }
    return true;
}

// An answer within this time, from a viewer that takes its messages while it fills its list.
bool ask(HWND window, UINT message, LRESULT& answer)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, 0, 0, SMTO_NORMAL, answerDeadline, &result))
        return false;
    answer = static_cast<LRESULT>(result);
    return true;
}

void findViewerList(Viewer& viewer);

// The viewer answers messages during its fill too: the fill is over once the list's row count
// stands still from one answer to the next, 100 ms apart.
bool awaitIdle(Viewer& viewer)
{
    const DWORD start = GetTickCount();
    LRESULT before = -1;
    LRESULT rows = 0;
    while (GetTickCount() - start < fillDeadline && ask(viewer.window, WM_NULL, rows)) {
        findViewerList(viewer);
        if (viewer.list && !ask(viewer.list, LB_GETCOUNT, rows))
            break;
        if (rows == before)
            return true;
        before = rows;
        Sleep(100);
    }
    std::printf("error: the viewer does not answer, or its fill does not end\n");
    return false;
}

void findViewerList(Viewer& viewer)
{
    viewer.list = nullptr;
    EnumChildWindows(viewer.window, findList, reinterpret_cast<LPARAM>(&viewer.list));
}

struct StyleBit {
    DWORD bit;
    const char* name;
};

// Only the style bits whose effect a user sees: the frame and its buttons, the scroll bars,
// the sunken edge and how many rows can be selected. The rest shows in the report's sizes,
// rows and focus.
constexpr StyleBit windowBits[] = {
    {WS_CAPTION, "WS_CAPTION"},         {WS_SYSMENU, "WS_SYSMENU"},
    {WS_THICKFRAME, "WS_THICKFRAME"},   {WS_MINIMIZEBOX, "WS_MINIMIZEBOX"},
    {WS_MAXIMIZEBOX, "WS_MAXIMIZEBOX"},
};
constexpr StyleBit listBits[] = {
    {WS_VSCROLL, "WS_VSCROLL"},
    {WS_HSCROLL, "WS_HSCROLL"},
    {LBS_MULTIPLESEL, "LBS_MULTIPLESEL"},
    {LBS_EXTENDEDSEL, "LBS_EXTENDEDSEL"},
};
constexpr StyleBit listEdgeBits[] = {{WS_EX_CLIENTEDGE, "WS_EX_CLIENTEDGE"}};

// The names of the table's bits that are set, or 0.
void printStyle(const char* what, LONG style, std::span<const StyleBit> table)
{
    std::string names;
    for (const StyleBit& bit : table) {
        if ((static_cast<DWORD>(style) & bit.bit) != bit.bit)
            continue;
        if (!names.empty())
            names += '|';
        names += bit.name;
    }
    std::printf("%s: %s\n", what, names.empty() ? "0" : names.c_str());
}

void printClass(const char* what, HWND window)
{
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    std::printf("%s: %s\n", what, name);
}

HWND focusOf(const Viewer& viewer)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(viewer.thread, &info);
    return info.hwndFocus;
}

void printFocus(Viewer& viewer, const char* what)
{
    const HWND focused = focusOf(viewer);
    findViewerList(viewer);
    const char* focus = !focused                   ? "none"
                        : focused == viewer.list   ? "list"
                        : focused == viewer.window ? "window"
                                                   : "other";
    std::printf("%s: %s\n", what, focus);
}

// The font by the height of the list's rows: another process asking for the list's font gets
// no answer under Wine, but the rows are as high as the font the list was given.
const char* fontOfRows(HWND list)
{
    const HWND probe = CreateWindowExA(0, "ListBox", nullptr, LBS_HASSTRINGS, 0, 0, 100, 100,
                                       nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    const LRESULT unset = SendMessageA(probe, LB_GETITEMHEIGHT, 0, 0);
    SendMessageA(probe, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    const LRESULT guiFont = SendMessageA(probe, LB_GETITEMHEIGHT, 0, 0);
    DestroyWindow(probe);
    const LRESULT height = SendMessageA(list, LB_GETITEMHEIGHT, 0, 0);
    if (guiFont == unset)
        return "not told apart";
    return height == guiFont ? "DEFAULT_GUI_FONT" : "other";
}

// The row's wide text, as the list holds it, in UTF-8.
std::string rowText(HWND list, LRESULT row)
{
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, row, 0);
    std::wstring wide(length < 0 ? 0 : static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(wide.data()));
    wide.resize(copied < 0 ? 0 : static_cast<std::size_t>(copied));
    std::string text(wide.size() * 3, '\0');
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                            static_cast<int>(text.size()), nullptr, nullptr);
    text.resize(bytes < 0 ? 0 : static_cast<std::size_t>(bytes));
    return text;
}

bool report(Viewer& viewer)
{
    if (!awaitIdle(viewer))
        return false;
    char title[256] = "";
    GetWindowTextA(viewer.window, title, sizeof title);
    std::printf("title: %s\n", title);
    printClass("class", viewer.window);
    printStyle("style", GetWindowLongA(viewer.window, GWL_STYLE), windowBits);
    RECT outer{};
    GetWindowRect(viewer.window, &outer);
    std::printf("position: %ld,%ld\n", outer.left, outer.top);
    RECT client{};
    GetClientRect(viewer.window, &client);
    std::printf("client size: %ldx%ld\n", client.right, client.bottom);
    POINT origin{0, 0};
    ClientToScreen(viewer.window, &origin);
    std::printf("client origin: %ld,%ld\n", origin.x, origin.y); // for finding it on the screen

    findViewerList(viewer);
    if (!viewer.list) {
        std::printf("list: none\n");
        return true;
    }
    printClass("list class", viewer.list);
    printStyle("list style", GetWindowLongA(viewer.list, GWL_STYLE), listBits);
    printStyle("list edge", GetWindowLongA(viewer.list, GWL_EXSTYLE), listEdgeBits);
    RECT placed{};
    GetWindowRect(viewer.list, &placed);
    MapWindowPoints(nullptr, viewer.window, reinterpret_cast<POINT*>(&placed), 2);
    std::printf("list rectangle: %ld,%ld %ldx%ld\n", placed.left, placed.top,
                placed.right - placed.left, placed.bottom - placed.top);
    std::printf("list control id: %d\n", GetDlgCtrlID(viewer.list));
    std::printf("list font: %s\n", fontOfRows(viewer.list));
    std::printf("list selection: %ld\n",
                static_cast<long>(SendMessageA(viewer.list, LB_GETCURSEL, 0, 0)));
    printFocus(viewer, "focus");
    std::printf("list top row: %ld\n",
                static_cast<long>(SendMessageA(viewer.list, LB_GETTOPINDEX, 0, 0)));
    const LRESULT rows = SendMessageA(viewer.list, LB_GETCOUNT, 0, 0);
    std::printf("rows: %ld\n", static_cast<long>(rows));
    for (LRESULT row = 0; row < rows; ++row)
        std::printf("row: %s\n", rowText(viewer.list, row).c_str());
    return true;
}

// Presses the keys one after the other and lets them go in reverse order, as a chord, with
// the viewer's window in front.
bool pressKeys(Viewer& viewer, std::initializer_list<WORD> chord)
{
    if (!awaitIdle(viewer))
        return false;
    SetForegroundWindow(viewer.window);
    std::vector<INPUT> keys;
    for (const WORD code : chord) {
        keys.push_back({});
        keys.back().type = INPUT_KEYBOARD;
        keys.back().ki.wVk = code;
    }
    for (auto code = std::rbegin(chord); code != std::rend(chord); ++code) {
        keys.push_back({});
        keys.back().type = INPUT_KEYBOARD;
        keys.back().ki.wVk = *code;
        keys.back().ki.dwFlags = KEYEVENTF_KEYUP;
    }
    const auto count = static_cast<UINT>(keys.size());
    if (SendInput(count, keys.data(), sizeof keys[0]) != count) {
        std::printf("error: the keys could not be sent\n");
        return false;
    }
    return true;
}

// Input reaches the viewer after anything sent to it, so there is no message to wait for:
// wait until the focus moves, or two seconds when it stays, then a little more for a late move.
bool pressFocusKeys(Viewer& viewer, bool shift)
{
    const HWND before = focusOf(viewer);
    if (!pressKeys(viewer, shift ? std::initializer_list<WORD>{VK_SHIFT, VK_TAB}
                                 : std::initializer_list<WORD>{VK_TAB}))
        return false;
    const DWORD start = GetTickCount();
    while (focusOf(viewer) == before && GetTickCount() - start < 2000)
        Sleep(20);
    Sleep(300);
    if (!awaitIdle(viewer))
        return false;
    printFocus(viewer, shift ? "focus after Shift+TAB" : "focus after TAB");
    return true;
}

bool postQuit(Viewer& viewer)
{
    if (!awaitIdle(viewer))
        return false;
    PostThreadMessageA(viewer.thread, WM_QUIT, 0, 0);
    const bool answers = awaitIdle(viewer) && IsWindow(viewer.window);
    std::printf("after WM_QUIT: %s\n", answers ? "running" : "gone");
    return answers;
}

// Waits for the viewer's end, noting its peak memory as last seen (Wine keeps no counters of
// a process that has ended).
bool awaitExit(Viewer& viewer)
{
    const DWORD start = GetTickCount();
    while (WaitForSingleObject(viewer.process, 20) != WAIT_OBJECT_0) {
        PROCESS_MEMORY_COUNTERS memory{};
        if (K32GetProcessMemoryInfo(viewer.process, &memory, sizeof memory))
            viewer.peakMemory = memory.PeakWorkingSetSize;
        if (GetTickCount() - start > exitDeadline) {
            std::printf("error: the viewer did not end\n");
            return false;
        }
    }
    DWORD code = 0;
    GetExitCodeProcess(viewer.process, &code);
    std::printf("exit code: %lu\n", static_cast<unsigned long>(code));
    return true;
}

bool requestClose(Viewer& viewer, bool systemMenu)
{
    if (!awaitIdle(viewer))
        return false;
    if (systemMenu)
        PostMessageA(viewer.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    else
        PostMessageA(viewer.window, WM_CLOSE, 0, 0);
    return awaitExit(viewer);
}

double milliseconds(const FILETIME& time)
{
    ULARGE_INTEGER ticks{};
    ticks.LowPart = time.dwLowDateTime;
    ticks.HighPart = time.dwHighDateTime;
    return static_cast<double>(ticks.QuadPart) / 10000.0;
}

// The close request goes out as the window appears, before or during the fill; the viewer's
// life from start to end covers start-up, what it read of the log and the answer to the
// request, and its peak memory shows how far the fill got.
bool timeClose(Viewer& viewer)
{
    PostMessageA(viewer.window, WM_CLOSE, 0, 0);
    if (!awaitExit(viewer))
        return false;
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(viewer.process, &created, &exited, &kernel, &user)) {
        std::printf("error: no process times\n");
        return false;
    }
    std::printf("milliseconds: %.0f\n", milliseconds(exited) - milliseconds(created));
    std::printf("peak memory MB: %zu\n", viewer.peakMemory >> 20);
    return true;
}

// For a list too long to report row by row: how many rows, and the first.
bool count(Viewer& viewer)
{
    if (!awaitIdle(viewer))
        return false;
    const LRESULT rows = viewer.list ? SendMessageA(viewer.list, LB_GETCOUNT, 0, 0) : 0;
    std::printf("rows: %ld\nfirst row: %s\n", static_cast<long>(rows),
                rows > 0 ? rowText(viewer.list, 0).c_str() : "");
    return true;
}

bool runStep(Viewer& viewer, const char* step)
{
    if (!std::strcmp(step, "report"))
        return report(viewer);
    if (!std::strcmp(step, "tab"))
        return pressFocusKeys(viewer, false);
    if (!std::strcmp(step, "backtab"))
        return pressFocusKeys(viewer, true);
    if (!std::strcmp(step, "alt-f4"))
        return pressKeys(viewer, {VK_MENU, VK_F4}) && awaitExit(viewer);
    if (!std::strcmp(step, "quit"))
        return postQuit(viewer);
    if (!std::strcmp(step, "close"))
        return requestClose(viewer, true);
    if (!std::strcmp(step, "close-message"))
        return requestClose(viewer, false);
    if (!std::strcmp(step, "time-close"))
        return timeClose(viewer);
    if (!std::strcmp(step, "time-fill"))
        return awaitIdle(viewer) && timeClose(viewer);
    if (!std::strcmp(step, "count"))
        return count(viewer);
    std::printf("error: unknown step %s\n", step);
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::printf("usage: win32_viewer_probe DESKTOP STEP...\n");
        return 2;
    }
    // Windows are found only on the desktop of the finding thread: join the viewer's.
    const HDESK desktop = OpenDesktopA(argv[1], 0, FALSE, GENERIC_ALL);
    if (!desktop || !SetThreadDesktop(desktop)) {
        std::printf("error: cannot join the desktop %s\n", argv[1]);
        return 1;
    }
    // The rows' bytes exactly, with no CR added to the line ends.
    _setmode(_fileno(stdout), _O_BINARY);
    const bool timing = !std::strncmp(argv[2], "time-", 5);
    Viewer viewer;
    if (!findViewer(viewer, timing ? 1 : 50))
        return 1;
    for (int i = 2; i < argc; ++i) {
        if (!runStep(viewer, argv[i]))
            return 1;
        std::fflush(stdout);
    }
    return 0;
}
