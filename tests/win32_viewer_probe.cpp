// A test-only Win32 tool that looks at drillview.exe from outside, as another program on the
// same desktop: it finds the window by its title, reports what the window system knows of the
// window and its list, presses keys, and asks the window to close.
// Usage: win32_viewer_probe DESKTOP STEP...   Steps, run in order:
//   report        the window, the list and every row, once the list is filled
//   tab, backtab  TAB or Shift+TAB, then which window has the keyboard focus
//   quit          posts WM_QUIT to the viewer's thread; the viewer must still answer
//   alt-f4        Alt+F4, then the exit code
//   close         the system menu's Close (WM_SYSCOMMAND, SC_CLOSE), then the exit code
//   close-message WM_CLOSE itself, then the exit code
//   time-close    WM_CLOSE as soon as the window exists, then the exit code and the viewer's
//                 time from its start to its end in milliseconds
// Answers 0 when every step could be carried out, 1 otherwise; the findings go to stdout.
#include <windows.h>

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

constexpr const char* viewerTitle = "Logfile by .::Zandrix::.";
constexpr DWORD findDeadline = 60000;
constexpr UINT answerDeadline = 60000;
constexpr DWORD exitDeadline = 60000;

struct Viewer {
    HWND window = nullptr;
    HWND list = nullptr;
    DWORD thread = 0;
    HANDLE process = nullptr;
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
    while (!(viewer.window = FindWindowA(nullptr, viewerTitle))) {
        if (GetTickCount() - start > findDeadline) {
            std::printf("error: no window titled \"%s\"\n", viewerTitle);
            return false;
        }
        Sleep(pollMilliseconds);
    }
    DWORD processId = 0;
    viewer.thread = GetWindowThreadProcessId(viewer.window, &processId);
    viewer.process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!viewer.process) {
        std::printf("error: cannot open the viewer's process\n");
        return false;
    }
    return true;
}

// The viewer takes no message while it fills its list: a message it answers means the fill
// is over.
bool awaitIdle(const Viewer& viewer)
{
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutA(viewer.window, WM_NULL, 0, 0, SMTO_NORMAL, answerDeadline, &answer))
        return true;
    std::printf("error: the viewer does not answer\n");
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

// Named in this order, so that WS_CAPTION is not also spelled as its two halves.
constexpr StyleBit windowStyleBits[] = {
    {WS_POPUP, "WS_POPUP"},
    {WS_CHILD, "WS_CHILD"},
    {WS_MINIMIZE, "WS_MINIMIZE"},
    {WS_VISIBLE, "WS_VISIBLE"},
    {WS_DISABLED, "WS_DISABLED"},
    {WS_CLIPSIBLINGS, "WS_CLIPSIBLINGS"},
    {WS_CLIPCHILDREN, "WS_CLIPCHILDREN"},
    {WS_MAXIMIZE, "WS_MAXIMIZE"},
    {WS_CAPTION, "WS_CAPTION"},
    {WS_BORDER, "WS_BORDER"},
    {WS_DLGFRAME, "WS_DLGFRAME"},
    {WS_VSCROLL, "WS_VSCROLL"},
    {WS_HSCROLL, "WS_HSCROLL"},
    {WS_SYSMENU, "WS_SYSMENU"},
    {WS_THICKFRAME, "WS_THICKFRAME"},
};
// WS_GROUP and WS_TABSTOP share their bits with WS_MINIMIZEBOX and WS_MAXIMIZEBOX.
constexpr StyleBit topLevelBits[] = {{WS_MINIMIZEBOX, "WS_MINIMIZEBOX"},
                                     {WS_MAXIMIZEBOX, "WS_MAXIMIZEBOX"}};
constexpr StyleBit childBits[] = {{WS_GROUP, "WS_GROUP"}, {WS_TABSTOP, "WS_TABSTOP"}};
constexpr StyleBit listBoxBits[] = {
    {LBS_NOTIFY, "LBS_NOTIFY"},
    {LBS_SORT, "LBS_SORT"},
    {LBS_NOREDRAW, "LBS_NOREDRAW"},
    {LBS_MULTIPLESEL, "LBS_MULTIPLESEL"},
    {LBS_OWNERDRAWFIXED, "LBS_OWNERDRAWFIXED"},
    {LBS_OWNERDRAWVARIABLE, "LBS_OWNERDRAWVARIABLE"},
    {LBS_HASSTRINGS, "LBS_HASSTRINGS"},
    {LBS_USETABSTOPS, "LBS_USETABSTOPS"},
    {LBS_NOINTEGRALHEIGHT, "LBS_NOINTEGRALHEIGHT"},
    {LBS_MULTICOLUMN, "LBS_MULTICOLUMN"},
    {LBS_WANTKEYBOARDINPUT, "LBS_WANTKEYBOARDINPUT"},
    {LBS_EXTENDEDSEL, "LBS_EXTENDEDSEL"},
    {LBS_DISABLENOSCROLL, "LBS_DISABLENOSCROLL"},
    {LBS_NODATA, "LBS_NODATA"},
    {LBS_NOSEL, "LBS_NOSEL"},
    {LBS_COMBOBOX, "LBS_COMBOBOX"},
};
constexpr StyleBit extendedBits[] = {
    {WS_EX_DLGMODALFRAME, "WS_EX_DLGMODALFRAME"}, {WS_EX_TOPMOST, "WS_EX_TOPMOST"},
    {WS_EX_TOOLWINDOW, "WS_EX_TOOLWINDOW"},       {WS_EX_WINDOWEDGE, "WS_EX_WINDOWEDGE"},
    {WS_EX_CLIENTEDGE, "WS_EX_CLIENTEDGE"},       {WS_EX_STATICEDGE, "WS_EX_STATICEDGE"},
    {WS_EX_APPWINDOW, "WS_EX_APPWINDOW"},         {WS_EX_LAYERED, "WS_EX_LAYERED"},
};

// The bits as names, and what no name covers in hexadecimal.
void printStyle(const char* what, DWORD style,
                std::initializer_list<std::span<const StyleBit>> tables)
{
    std::string names;
    DWORD left = style;
    for (const std::span<const StyleBit> table : tables) {
        for (const StyleBit& bit : table) {
            if ((left & bit.bit) != bit.bit)
                continue;
            names += names.empty() ? "" : "|";
            names += bit.name;
            left &= ~bit.bit;
        }
    }
    if (left != 0) {
        char rest[16];
        std::snprintf(rest, sizeof rest, "0x%lx", static_cast<unsigned long>(left));
        names += names.empty() ? "" : "|";
        names += rest;
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

bool report(Viewer& viewer)
{
    if (!awaitIdle(viewer))
        return false;
    char title[256] = "";
    GetWindowTextA(viewer.window, title, sizeof title);
    std::printf("title: %s\n", title);
    printClass("class", viewer.window);
    printStyle("style", static_cast<DWORD>(GetWindowLongA(viewer.window, GWL_STYLE)),
               {windowStyleBits, topLevelBits});
    printStyle("extended style", static_cast<DWORD>(GetWindowLongA(viewer.window, GWL_EXSTYLE)),
               {extendedBits});
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
    printStyle("list extended style", static_cast<DWORD>(GetWindowLongA(viewer.list, GWL_EXSTYLE)),
               {extendedBits});
    printStyle("list style", static_cast<DWORD>(GetWindowLongA(viewer.list, GWL_STYLE)),
               {windowStyleBits, childBits, listBoxBits});
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
    // Asked across processes in the ANSI form, Wine answers with the list's wide text: ask
    // for that and turn it back into the ANSI code page, as the list got it.
    std::wstring wide;
    std::string text;
    for (LRESULT row = 0; row < rows; ++row) {
        const LRESULT length = SendMessageW(viewer.list, LB_GETTEXTLEN, row, 0);
        wide.assign(length < 0 ? 0 : static_cast<std::size_t>(length) + 1, L'\0');
        const LRESULT copied =
            SendMessageW(viewer.list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(wide.data()));
        wide.resize(copied < 0 ? 0 : static_cast<std::size_t>(copied));
        text.assign(wide.size() * 2, '\0');
        const int bytes =
            WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                                static_cast<int>(text.size()), nullptr, nullptr);
        text.resize(bytes < 0 ? 0 : static_cast<std::size_t>(bytes));
        std::printf("row: %s\n", text.c_str());
    }
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

bool awaitExit(const Viewer& viewer)
{
    if (WaitForSingleObject(viewer.process, exitDeadline) != WAIT_OBJECT_0) {
        std::printf("error: the viewer did not end\n");
        return false;
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

// The close request waits in the queue while the viewer fills its list; the viewer's life
// from start to end then covers start-up, the fill and the answer to the request.
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
    const bool timing = !std::strcmp(argv[2], "time-close");
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
