// The viewer's window with FLTK on X11: a fixed 300 by 500 window holding one lean list that
// keeps its rows in large byte blocks, so a log of a million lines fills and shows at once.
#include "viewer_window.h"

#include "icon_image.h"

#include <FL/Fl.H>
#include <FL/Fl_Browser_.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <iterator>
#include <memory>
#include <string_view>
#include <vector>

namespace {

constexpr const char* windowTitle = "Logfile by .::Zandrix::.";
constexpr int windowX = 387, windowY = 100, clientWidth = 300, clientHeight = 500;
constexpr int listX = 15, listY = 15, listWidth = 270, listHeight = 470;
constexpr int iconSizes[] = {32, 48, 128};

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

    // Rows are kept NUL-terminated, as a line never holds a NUL.
    void appendRow(std::string_view row)
    {
        const std::size_t needed = row.size() + 1;
        if (needed > blockRoom) {
            const std::size_t size = std::max(blockSize, needed);
            blocks.push_back(std::make_unique_for_overwrite<char[]>(size));
            blockFree = blocks.back().get();
            blockRoom = size;
        }
        std::memcpy(blockFree, row.data(), row.size());
        blockFree[row.size()] = '\0';
        rowStarts.push_back(blockFree);
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
        const std::string_view row = rowText(item);
        fl_font(textfont(), textsize());
        return static_cast<int>(fl_width(row.data(), static_cast<int>(row.size()))) + 6;
    }

    // Drawn as plain bytes: no formatting characters, no columns, so every row is literal.
    void item_draw(void* item, int x, int y, int, int height) const override
    {
        const std::string_view row = rowText(item);
        fl_font(textfont(), textsize());
        Fl_Color colour =
            item_selected(item) ? fl_contrast(textcolor(), selection_color()) : textcolor();
        if (!active_r())
            colour = fl_inactive(colour);
        fl_color(colour);
        fl_draw(row.data(), static_cast<int>(row.size()), x + 3, y + height - fl_descent() - 1);
    }

    // The list keys beyond the arrows, as a list box has them.
    int handle(int event) override
    {
        if (event == FL_KEYBOARD && rowCount() > 0) {
            const std::size_t visibleRows =
                static_cast<std::size_t>(std::max(1, (h() - 4) / rowHeight() - 1));
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
                return selectRow(current > visibleRows ? current - visibleRows : 0);
            case FL_Page_Down:
                return selectRow(std::min(current + visibleRows, rowCount() - 1));
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

    int selectRow(std::size_t row)
    {
        select_only(itemOf(row), when() & FL_WHEN_CHANGED);
        return 1;
    }
};

Fl_Double_Window* window = nullptr;
RowList* list = nullptr;
bool closeRequested = false;

void ignoreMessage(const char*, ...) {}

// FLTK calls this when the display is lost and must not get control back. The viewer has
// nothing left to show then; it ends the one way it ever ends, quietly with exit code 0.
[[noreturn]] void endWithoutDisplay(const char*, ...)
{
    std::_Exit(0);
}

// FLTK sends both the window manager's close request and an unused Escape key here; only
// the close request counts, as a list box window does not close on Escape.
void noteCloseRequest(Fl_Widget*, void*)
{
    if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape)
        return;
    closeRequested = true;
}

// The window keeps copies of the images.
void setWindowIcons()
{
    std::vector<std::vector<std::uint8_t>> pixels;
    std::vector<std::unique_ptr<Fl_RGB_Image>> images;
    std::vector<const Fl_RGB_Image*> imageList;
    pixels.reserve(std::size(iconSizes));
    for (const int size : iconSizes) {
        pixels.push_back(renderIconImage(size));
        images.push_back(std::make_unique<Fl_RGB_Image>(pixels.back().data(), size, size, 4));
        imageList.push_back(images.back().get());
    }
    window->icons(imageList.data(), static_cast<int>(imageList.size()));
}

} // namespace

bool createViewerWindow()
{
    // The viewer never shows a message of its own, FLTK's included.
    Fl::warning = ignoreMessage;
    Fl::error = ignoreMessage;
    Fl::fatal = endWithoutDisplay;
    // FLTK ends the process when it cannot open the display itself; opening it here first
    // turns that into a failed creation, with nothing shown.
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return false;
    fl_open_display(display);

    window = new Fl_Double_Window(windowX, windowY, clientWidth, clientHeight, windowTitle);
    list = new RowList(listX, listY, listWidth, listHeight);
    window->end();
    window->size_range(clientWidth, clientHeight, clientWidth, clientHeight);
    window->callback(noteCloseRequest);
    setWindowIcons();
    window->show();
    return true;
}

void appendRow(std::string_view row)
{
    if (list != nullptr)
        list->appendRow(row);
}

void beginFill() {}

void endFill()
{
    if (list != nullptr)
        list->fillDone();
}

bool waitForEvent()
{
    if (closeRequested) {
        closeRequested = false;
        return true;
    }
    Fl::wait();
    // A window taken away from outside can send no close request any more; count it as one
    // rather than wait for ever.
    if (!window->shown())
        closeRequested = true;
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
