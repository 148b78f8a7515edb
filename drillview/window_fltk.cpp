// The viewer's window with FLTK on X11: a fixed 300 by 500 window holding one lean list that
// keeps its rows in large byte blocks, so a log of a million lines fills and shows at once.
#include "drillview/viewer_window.h"

#include "drillview/icon_image.h"
#include "drillview/window_layout.h"
#include "logtext/code_page_850.h"
#include "logtext/utf8.h"

#include <FL/Fl.H>
#include <FL/Fl_Browser_.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/fl_draw.H>
#include <FL/fl_utf8.h>
#include <FL/x.H>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

// At most this many bytes of a row are measured and drawn, for characters that take no room.
constexpr std::size_t mostDrawnBytes = 4096;

// The beginning of a row that can be on screen: its characters up to the first one that
// ends beyond `width` pixels, in the current font. The rest would be cut off anyway, and the
// X server takes neither a request of some 250 KB nor text wider than 32767 pixels.
std::string_view visiblePart(std::string_view row, int width)
{
    double used = 0;
    std::size_t end = 0;
    while (end < row.size() && end < mostDrawnBytes && used <= width) {
        const auto length = static_cast<std::size_t>(std::max(1, fl_utf8len1(row[end])));
        const std::size_t taken = std::min(length, row.size() - end);
        used += fl_width(row.data() + end, static_cast<int>(taken));
        end += taken;
    }
    return row.substr(0, end);
}

// The row in the UTF-8 that FLTK draws: a row that is not UTF-8 is read as code page 850, as
// the report reads names, so a name from a Win32 console looks as it does in a UTF-8 log.
std::string_view shownText(std::string_view row, std::string& converted)
{
    if (isValidUtf8(row, mostDrawnBytes)) // the bytes that may be drawn
        return row;
    converted.clear();
    for (std::size_t at = 0; at < row.size() && at < mostDrawnBytes; ++at) {
        char sequence[4];
        const int length =
            fl_utf8encode(codePage850(static_cast<unsigned char>(row[at])), sequence);
        converted.append(sequence, static_cast<std::size_t>(length));
    }
    return converted;
}

// A single-selection list over rows kept in large byte blocks plus where each row starts.
// Items handed to FLTK are row numbers plus one, so no item is ever null.
class RowList : public Fl_Browser_ {
public:
    RowList(int x, int y, int width, int height) : Fl_Browser_(x, y, width, height)
    {
        type(FL_HOLD_BROWSER);
        box(FL_DOWN_BOX);
        has_scrollbar(VERTICAL);
        // TAB gives the focus to the list itself, whose keys move the selection.
        scrollbar.clear_visible_focus();
        hscrollbar.clear_visible_focus();
        textsize(12);
    }

    // Rows are kept NUL-terminated, as a line never holds a NUL. When memory runs out, the
    // std::bad_alloc leaves the list as it was.
    void appendRow(std::string_view row)
    {
        const std::size_t needed = row.size() + 1;
        if (needed > blockRoom) {
            const std::size_t size = std::max(blockSize, needed);
            blocks.push_back(std::make_unique_for_overwrite<char[]>(size));
            blockFree = blocks.back().get();
            blockRoom = size;
        }
        rowStarts.push_back(blockFree);
        std::memcpy(blockFree, row.data(), row.size());
        blockFree[row.size()] = '\0';
        blockFree += needed;
        blockRoom -= needed;
    }

    void fillDone() { redraw(); }

protected:
    void* item_first() const override { return rowCount() == 0 ? nullptr : itemOf(0); }
    void* item_last() const override { return rowCount() == 0 ? nullptr : itemOf(rowCount() - 1); }
    void* item_next(void* item) const override
    {
        const std::size_t next = rowOf(item) + 1;
        return next < rowCount() ? itemOf(next) : nullptr;
    }
    void* item_prev(void* item) const override
    {
        const std::size_t row = rowOf(item);
        return row == 0 ? nullptr : itemOf(row - 1);
    }
    void* item_at(int index) const override
    {
        return index >= 0 && static_cast<std::size_t>(index) < rowCount()
                   ? itemOf(static_cast<std::size_t>(index))
                   : nullptr;
    }

    int item_height(void*) const override { return rowHeight(); }
    int item_quick_height(void*) const override { return rowHeight(); }
    int incr_height() const override { return rowHeight(); }
    int full_height() const override
    {
        const std::size_t height = rowCount() * static_cast<std::size_t>(rowHeight());
        return height > INT_MAX ? INT_MAX : static_cast<int>(height);
    }

    int item_width(void* item) const override
    {
        fl_font(textfont(), textsize());
        const std::string_view row = visiblePart(shownText(rowText(item), shown), w());
        return static_cast<int>(fl_width(row.data(), static_cast<int>(row.size()))) + 6;
    }

    // Drawn as plain bytes: no formatting characters, no columns, so every row is literal.
    void item_draw(void* item, int x, int y, int, int height) const override
    {
        fl_font(textfont(), textsize());
        const std::string_view row = visiblePart(shownText(rowText(item), shown), w());
        Fl_Color colour =
            item_selected(item) ? fl_contrast(textcolor(), selection_color()) : textcolor();
        if (!active_r())
            colour = fl_inactive(colour);
        fl_color(colour);
        fl_draw(row.data(), static_cast<int>(row.size()), x + 3, y + height - fl_descent() - 1);
    }

    // The list keys beyond the arrows, as a list box has them: Page Up and Page Down move by
    // one row less than the list shows whole, so one row stays in sight.
    int handle(int event) override
    {
        if (event == FL_KEYBOARD && rowCount() > 0) {
            const std::size_t pageStep =
                static_cast<std::size_t>(std::max(1, insideHeight() / rowHeight() - 1));
            const std::size_t current = selection() ? rowOf(selection()) : 0;
            switch (Fl::event_key()) {
            case FL_Up:
            case FL_Down:
                // With nothing selected yet, either arrow starts at the first row.
                if (selection() != nullptr)
                    break;
                return selectRow(0);
            case FL_Home:
                return selectRow(0);
            case FL_End:
                return selectRow(rowCount() - 1);
            case FL_Page_Up:
                return selectRow(current > pageStep ? current - pageStep : 0);
            case FL_Page_Down:
                return selectRow(std::min(current + pageStep, rowCount() - 1));
            default:
                break;
            }
        }
        return Fl_Browser_::handle(event);
    }

private:
    // Rows are copied into blocks that never move, and the list of where rows start grows
    // in pieces too: filling never holds a second copy of what it has already taken in.
    static constexpr std::size_t blockSize = std::size_t{1} << 20;
    std::vector<std::unique_ptr<char[]>> blocks;
    char* blockFree = nullptr;
    std::size_t blockRoom = 0;
    std::deque<const char*> rowStarts;
    mutable int cachedRowHeight = 0;
    mutable std::string shown; // a row that is not UTF-8, as drawn

    std::size_t rowCount() const { return rowStarts.size(); }
    // NOLINTNEXTLINE(performance-no-int-to-ptr): FLTK's items are opaque; ours are numbers.
    static void* itemOf(std::size_t row) { return reinterpret_cast<void*>(row + 1); }
    static std::size_t rowOf(void* item) { return reinterpret_cast<std::size_t>(item) - 1; }

    std::string_view rowText(void* item) const { return rowStarts[rowOf(item)]; }

    // Measured once, when the display is open: the font's height and room for the frame of
    // the selected row.
    int rowHeight() const
    {
        if (cachedRowHeight == 0)
            cachedRowHeight = fl_height(textfont(), textsize()) + 2;
        return cachedRowHeight;
    }

    int insideHeight() const
    {
        int x = 0, y = 0, width = 0, height = 0;
        bbox(x, y, width, height);
        return height;
    }

    // Selects the row and scrolls just far enough to show it whole, never past the last row,
    // as a list box does (FLTK alone would put a far row in the middle, blank space below it).
    int selectRow(std::size_t row)
    {
        const long long before = position();
        select_only(itemOf(row), when() & FL_WHEN_CHANGED);
        const long long top = static_cast<long long>(row) * rowHeight();
        const long long inside = insideHeight();
        long long wanted = std::clamp(before, top + rowHeight() - inside, top);
        wanted = std::clamp(wanted, 0LL, std::max(0LL, full_height() - inside));
        position(static_cast<int>(wanted));
        return 1;
    }
};

Fl_Double_Window* window = nullptr;
RowList* list = nullptr;
bool closeRequested = false;

void ignoreMessage(const char*, ...) {}

// FLTK calls this when it cannot go on and must not get control back. The viewer has nothing
// left to show then; it ends the one way it ever ends, quietly with exit code 0.
[[noreturn]] void endWithoutDisplay(const char*, ...)
{
    std::_Exit(0);
}

// Xlib calls this when the connection to the X server is lost, and ends the process itself
// with 1 and a message should it return.
[[noreturn]] int endWithLostDisplay(Display*)
{
    std::_Exit(0);
}

// A request the X server refused spoils at most a drawing; Xlib's own handler would end the
// process with 1 and a message.
int ignoreXError(Display*, XErrorEvent*)
{
    return 0;
}

// FLTK sends both the window manager's close request and an unused Escape key here; only
// the close request counts, as a list box window does not close on Escape.
void noteCloseRequest(Fl_Widget*, void*)
{
    if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape)
        return;
    closeRequested = true;
}

// Answers a close request not answered yet. A window taken away from outside can send no
// close request any more; it counts as one rather than have the viewer wait for ever.
bool takeCloseRequest()
{
    const bool requested = closeRequested || !window->shown();
    closeRequested = false;
    return requested;
}

// The window keeps copies of the images.
void setWindowIcons()
{
    std::vector<std::vector<std::uint8_t>> pixels;
    std::vector<std::unique_ptr<Fl_RGB_Image>> images;
    std::vector<const Fl_RGB_Image*> imageList;
    pixels.reserve(std::size(viewerIconSizes));
    // Smallest first, as the window has always listed them.
    for (auto at = std::rbegin(viewerIconSizes); at != std::rend(viewerIconSizes); ++at) {
        const int size = *at;
        pixels.push_back(renderIconImage(size));
        images.push_back(std::make_unique<Fl_RGB_Image>(pixels.back().data(), size, size, 4));
        imageList.push_back(images.back().get());
    }
    window->icons(imageList.data(), static_cast<int>(imageList.size()));
}

} // namespace

bool createViewerWindow()
{
    // The viewer never shows a message of its own, FLTK's and Xlib's included.
    Fl::warning = ignoreMessage;
    Fl::error = ignoreMessage;
    Fl::fatal = endWithoutDisplay;
    XSetErrorHandler(ignoreXError);
    XSetIOErrorHandler(endWithLostDisplay);
    // FLTK ends the process when it cannot open the display itself; opening it here first
    // turns that into a failed creation, with nothing shown.
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return false;
    fl_open_display(display);

    namespace layout = windowLayout;
    window = new Fl_Double_Window(layout::x, layout::y, layout::clientWidth, layout::clientHeight,
                                  layout::title);
    list =
        new RowList(layout::listMargin, layout::listMargin, layout::listWidth, layout::listHeight);
    window->end();
    window->size_range(layout::clientWidth, layout::clientHeight, layout::clientWidth,
                       layout::clientHeight);
    window->callback(noteCloseRequest);
    // The program's name as the window's class: a dock finds the desktop entry by it.
    window->xclass("drillview");
    setWindowIcons();
    window->show();
    return true;
}

bool appendRow(std::string_view row)
{
    if (list != nullptr)
        list->appendRow(row);
    return true;
}

void beginFill() {}

void endFill()
{
    if (list != nullptr)
        list->fillDone();
}

bool handlePendingEvents()
{
    Fl::check();
    return takeCloseRequest();
}

bool waitForEvent()
{
    if (takeCloseRequest())
        return true;
    Fl::wait();
    return false;
}

void destroyViewerWindow()
{
    if (window == nullptr)
        return;
    window->hide();
    delete window; // and the list with it
    window = nullptr;
    list = nullptr;
    fl_close_display();
}
