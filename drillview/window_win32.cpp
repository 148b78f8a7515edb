// The viewer's window on Win32: a fixed-size window with one list box, TAB and Shift+TAB
// moving the focus, and a message loop that hands the close request to the viewer's run. The
// rows reach the list through its wide functions: a line of UTF-8 as UTF-8, any other as code
// page 850, in which drill.exe logs what its console hands it, as the report reads them.
#include "drillview/viewer_window.h"

#include "drillview/window_layout.h"
#include "logtext/code_page_850.h"
#include "logtext/utf8.h"

#include <windows.h>

#include <string>

namespace {

// The class name is the pattern "WindowClass_%ld" filled in with window number 0.
constexpr const char* className = "WindowClass_0";
constexpr DWORD windowStyle = WS_CAPTION | WS_SYSMENU;
constexpr DWORD listStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_GROUP |
                            WS_TABSTOP | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;
constexpr int iconResource = 1;

// The commands of the two shortcuts; the list's notifications come with control id 0.
constexpr WORD focusNextCommand = 1;
constexpr WORD focusPreviousCommand = 2;

struct ViewerWindow {
    HINSTANCE instance = nullptr;
    HWND window = nullptr;
    HWND list = nullptr;
    HACCEL shortcuts = nullptr;
    bool closeRequested = false; // noted by the window procedure, answered by waitForEvent
    std::wstring row;            // the row being appended, with the NUL the list needs
    WPARAM rows = 0;             // rows appended so far
    WPARAM reserved = 0;         // rows the list has been told to make room for
};

ViewerWindow viewer;

// One pass over the tab stops in EnumChildWindows order, remembering what either direction
// needs: the ends, and the neighbours of the focused one.
struct FocusSearch {
    HWND focused = nullptr;
    bool focusedSeen = false;
    HWND first = nullptr;
    HWND last = nullptr;
    HWND beforeFocused = nullptr;
    HWND afterFocused = nullptr;
};

BOOL CALLBACK visitFocusCandidate(HWND child, LPARAM search)
{
    // NOLINTNEXTLINE(performance-no-int-to-ptr): the callback's LPARAM carries our pointer.
    auto& found = *reinterpret_cast<FocusSearch*>(search);
    if (!IsWindowEnabled(child) || !IsWindowVisible(child) ||
        !(GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP))
        return TRUE;
    if (!found.first)
        found.first = child;
    if (found.focusedSeen && !found.afterFocused)
        found.afterFocused = child;
    if (child == found.focused) {
        found.focusedSeen = true;
        found.beforeFocused = found.last;
    }
    found.last = child;
    return TRUE;
}

// Forward: the tab stop after the focused one, else the first. Backward: the one before,
// else the last.
void moveFocus(bool forward)
{
    FocusSearch search;
    search.focused = GetFocus();
    EnumChildWindows(GetActiveWindow(), visitFocusCandidate, reinterpret_cast<LPARAM>(&search));
    HWND target = forward ? search.afterFocused : search.beforeFocused;
    if (!target)
        target = forward ? search.first : search.last;
    if (target)
        SetFocus(target);
}

// The viewer's run tears the window down; the close request is only noted here.
LRESULT onClose()
{
    viewer.closeRequested = true;
    return 0;
}

// No default handling: the list gets the focus from TAB and Shift+TAB only.
LRESULT onActivate()
{
    return 1;
}

// Nothing in the window follows its moves; answered without the default handling.
LRESULT onMove()
{
    return 0;
}

// As for a move, unless the window is minimised, which the default handling completes.
LRESULT onSize(HWND window, WPARAM wParam, LPARAM lParam)
{
    if (wParam == SIZE_MINIMIZED)
        return DefWindowProcA(window, WM_SIZE, wParam, lParam);
    return 0;
}

// The two shortcuts' commands; the list's notifications ask for nothing.
LRESULT onCommand(WPARAM wParam, LPARAM lParam)
{
    // A shortcut's command has no control window and 1 in the high word.
    if (lParam != 0 || HIWORD(wParam) != 1)
        return 0;
    if (LOWORD(wParam) == focusNextCommand)
        moveFocus(true);
    else if (LOWORD(wParam) == focusPreviousCommand)
        moveFocus(false);
    return 0;
}

struct ForwardedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

BOOL CALLBACK forwardToChild(HWND child, LPARAM forwarded)
{
    // NOLINTNEXTLINE(performance-no-int-to-ptr): the callback's LPARAM carries our pointer.
    const auto& what = *reinterpret_cast<const ForwardedMessage*>(forwarded);
    SendMessageA(child, what.message, what.wParam, what.lParam);
    return TRUE;
}

// Child controls are told of new system colours only by their parent; then the default.
LRESULT onSysColorChange(HWND window, WPARAM wParam, LPARAM lParam)
{
    ForwardedMessage what{WM_SYSCOLORCHANGE, wParam, lParam};
    EnumChildWindows(window, forwardToChild, reinterpret_cast<LPARAM>(&what));
    return DefWindowProcA(window, WM_SYSCOLORCHANGE, wParam, lParam);
}

// Only dispatches, one line per message, so what reaches the default handling is plain.
LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // clang-format off
    switch (message) {
    case WM_CLOSE: return onClose();
    case WM_ACTIVATE: return onActivate();
    case WM_MOVE: return onMove();
    case WM_SIZE: return onSize(window, wParam, lParam);
    case WM_COMMAND: return onCommand(wParam, lParam);
    case WM_SYSCOLORCHANGE: return onSysColorChange(window, wParam, lParam);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
    // clang-format on
}

bool registerWindowClass()
{
    WNDCLASSA windowClass{};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = viewer.instance;
    windowClass.hIcon = LoadIconA(viewer.instance, MAKEINTRESOURCEA(iconResource));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    // NOLINTNEXTLINE(performance-no-int-to-ptr): a system colour index plus one, as a brush.
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    return RegisterClassA(&windowClass) != 0;
}

HACCEL createShortcuts()
{
    ACCEL keys[] = {
        {FVIRTKEY, VK_TAB, focusNextCommand},
        {FVIRTKEY | FSHIFT, VK_TAB, focusPreviousCommand},
    };
    return CreateAcceleratorTableA(keys, sizeof keys / sizeof keys[0]);
}

void createList()
{
    namespace layout = windowLayout;
    viewer.list =
        CreateWindowExW(WS_EX_CLIENTEDGE, L"ListBox", nullptr, listStyle, layout::listMargin,
                        layout::listMargin, layout::listWidth, layout::listHeight, viewer.window,
                        nullptr /* control id 0 */, viewer.instance, nullptr);
    if (!viewer.list)
        return; // the run goes on without a list; appendRow drops every row
    SendMessageW(viewer.list, WM_SETFONT,
                 reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
}

// The number of lines is not known before the end of the log, so the list is told to make room
// for as many rows again as it holds whenever it is full: left alone, the list grows its
// storage a few rows at a time, and a log of a million lines takes ten times as long to fill.
// False when the room cannot be had: memory for more rows is running out.
bool reserveRows()
{
    constexpr WPARAM fewestRows = 256;
    constexpr WPARAM bytesPerRow = 48; // a drill log's lines are some 20 to 90 bytes long
    const WPARAM more = viewer.rows < fewestRows ? fewestRows : viewer.rows;
    if (SendMessageW(viewer.list, LB_INITSTORAGE, more, static_cast<LPARAM>(more * bytesPerRow)) ==
        LB_ERRSPACE)
        return false;
    viewer.reserved += more;
    return true;
}

// The row as the list's wide functions take it, in viewer.row.
void widenRow(std::string_view row)
{
    viewer.row.clear();
    if (!isValidUtf8(row)) {
        for (const char byte : row)
            viewer.row += static_cast<wchar_t>(codePage850(static_cast<unsigned char>(byte)));
        return;
    }
    const int size = static_cast<int>(row.size());
    const int units =
        row.empty() ? 0 : MultiByteToWideChar(CP_UTF8, 0, row.data(), size, nullptr, 0);
    viewer.row.resize(static_cast<std::size_t>(units));
    if (units > 0)
        MultiByteToWideChar(CP_UTF8, 0, row.data(), size, viewer.row.data(), units);
}

// Answers a close request the window procedure has noted and not answered yet.
bool takeCloseRequest()
{
    const bool requested = viewer.closeRequested;
    viewer.closeRequested = false;
    return requested;
}

// A message taken from the queue: a shortcut while the window is active, else dispatched.
void handleMessage(MSG& message)
{
    const bool shortcut = GetActiveWindow() == viewer.window &&
                          TranslateAcceleratorA(viewer.window, viewer.shortcuts, &message);
    if (!shortcut) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

} // namespace

bool createViewerWindow()
{
    viewer = ViewerWindow{};
    viewer.instance = GetModuleHandleA(nullptr);
    // A failed registration shows itself as a failed CreateWindowExA below.
    registerWindowClass();

    namespace layout = windowLayout;
    RECT outer{0, 0, layout::clientWidth, layout::clientHeight};
    AdjustWindowRect(&outer, windowStyle, FALSE);
    viewer.window = CreateWindowExA(0, className, layout::title, windowStyle, layout::x, layout::y,
                                    outer.right - outer.left, outer.bottom - outer.top, nullptr,
                                    nullptr, viewer.instance, nullptr);
    if (!viewer.window) {
        UnregisterClassA(className, viewer.instance);
        return false;
    }
    ShowWindow(viewer.window, SW_SHOWNORMAL);
    viewer.shortcuts = createShortcuts();
    createList();
    return true;
}

bool appendRow(std::string_view row)
{
    if (!viewer.list)
        return true;
    widenRow(row);
    if (viewer.rows == viewer.reserved && !reserveRows())
        return false;
    // Out of memory, the list answers LB_ERRSPACE: the rows it holds are all there will be. A
    // row refused for any other reason (LB_ERR) is dropped, and the next one is tried.
    const LRESULT added = SendMessageW(viewer.list, LB_INSERTSTRING, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(viewer.row.c_str()));
    if (added == LB_ERRSPACE)
        return false;
    if (added != LB_ERR)
        ++viewer.rows;
    return true;
}

// Drawing is off while the rows go in: a visible list redraws after every insertion, which
// makes a log of some thousand lines take many seconds to appear.
void beginFill()
{
    if (viewer.list)
        SendMessageW(viewer.list, WM_SETREDRAW, FALSE, 0);
}

void endFill()
{
    if (!viewer.list)
        return;
    SendMessageW(viewer.list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(viewer.list, nullptr, TRUE);
    UpdateWindow(viewer.list);
}

bool handlePendingEvents()
{
    MSG message{};
    while (!viewer.closeRequested && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        handleMessage(message);
    return takeCloseRequest();
}

bool waitForEvent()
{
    if (takeCloseRequest())
        return true;
    MSG message{};
    // The answer is not looked at: a WM_QUIT is handled like any other message.
    GetMessageA(&message, nullptr, 0, 0);
    handleMessage(message);
    return false;
}

void destroyViewerWindow()
{
    DestroyWindow(viewer.window); // the list goes with it
    UnregisterClassA(className, viewer.instance);
    DestroyAcceleratorTable(viewer.shortcuts);
    viewer = ViewerWindow{};
}
