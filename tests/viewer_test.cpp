// The viewer's run over the fake window and the in-memory file layer: one row per line in
// file order, the wait for the close request, the clean-up, and a window that fails.
#include "drill/drill_log.h"
#include "drillview/log_line_reader.h"
#include "drillview/viewer.h"
#include "drillview/viewer_window.h"
#include "drillview/window_layout.h"
#include "logtext/utf8.h"
#include "tests/log_line_reader_fake_file.h"
#include "tests/viewer_fake_window.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace std::string_literals;

namespace {

using Texts = std::vector<std::string>;

// A start record, a name-entry record and a series record, a row for each line.
const Texts drillLogRows = [] {
    const std::string records =
        startRecord("Mon Jan 01 10:00:00 2024\n") + nameEntryRecord("Mon Jan 01 10:00:05 2024\n") +
        seriesRecord("J\xf6rg", 1, 10, 1, 2, 0, "Mon Jan 01 10:09:00 2024\n");
    Texts rows;
    for (std::size_t at = 0, end; (end = records.find('\n', at)) != std::string::npos; at = end + 1)
        rows.push_back(records.substr(at, end - at));
    return rows;
}();

// Those records with the given line end.
std::string drillLog(const std::string& end)
{
    std::string log;
    for (const std::string& row : drillLogRows)
        log += row + end;
    return log;
}

// Runs the viewer in a world holding the given log (none when null) and the window.
void runWithLog(const std::string* log, FakeViewerWindow window = {})
{
    fakeLogFiles() = {};
    if (log != nullptr)
        fakeLogFiles().files["tovu"] = *log;
    fakeViewerWindow() = std::move(window);
    runViewer();
    EXPECT_EQ(fakeViewerWindow().misuses, 0);
    EXPECT_EQ(fakeLogFiles().misuses, 0);
    EXPECT_EQ(fakeLogFiles().openFiles, 0) << "the log was left open";
}

} // namespace

// The window tests find the window by the title CMake reads from the layout: this is where its
// bytes are held to what the window must show.
TEST(Viewer, TheWindowHasItsFixedTitle)
{
    EXPECT_STREQ(windowLayout::title, "Logfile by .::Zandrix::.");
}

TEST(Viewer, ShowsEveryLineAsOneRowInFileOrder)
{
    struct Case {
        std::string log;
        Texts rows;
    };
    const Case cases[] = {
        {drillLog("\n"), drillLogRows},
        {drillLog("\r\n"), drillLogRows},
        {drillLog("\r"), drillLogRows},
        {"first\n\n\nlast", {"first", "", "", "last"}},
        {"\n", {""}},
        {"@C1@b not a format\tnor\ta column\n", {"@C1@b not a format\tnor\ta column"}},
        {"before\0after"s, {"before", "after"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.log.substr(0, 20));
        runWithLog(&c.log);
        EXPECT_EQ(fakeViewerWindow().rows, c.rows);
        EXPECT_EQ(fakeViewerWindow().calls,
                  (Texts{"create", "beginFill", "row", "endFill", "close", "destroy"}));
    }
}

TEST(Viewer, AnEmptyOrMissingLogGivesAnEmptyList)
{
    const std::string empty;
    for (const std::string* log : {&empty, static_cast<const std::string*>(nullptr)}) {
        runWithLog(log);
        EXPECT_TRUE(fakeViewerWindow().rows.empty());
        EXPECT_EQ(fakeViewerWindow().calls,
                  (Texts{"create", "beginFill", "endFill", "close", "destroy"}));
    }
}

TEST(Viewer, WaitsForTheCloseRequestAndKeepsTheLogOpenUntilTheWindowIsGone)
{
    fakeLogFiles() = {};
    fakeLogFiles().files["tovu"] = "one\ntwo\n";
    FakeViewerWindow& window = fakeViewerWindow();
    window = {};
    window.closeOnWait = 4;
    bool logOpenAtDestroy = false;
    window.onDestroy = [&] { logOpenAtDestroy = fakeLogFiles().openFiles == 1; };
    runViewer();
    EXPECT_EQ(window.calls, (Texts{"create", "beginFill", "row", "endFill", "wait", "wait", "wait",
                                   "close", "destroy"}));
    EXPECT_EQ(window.rows, (Texts{"one", "two"}));
    EXPECT_TRUE(logOpenAtDestroy);
    EXPECT_EQ(fakeLogFiles().openFiles, 0);
    EXPECT_EQ(window.misuses, 0);
    window.onDestroy = nullptr;
}

TEST(Viewer, DoesNothingMoreWhenTheWindowCannotBeCreated)
{
    fakeLogFiles() = {};
    fakeLogFiles().files["tovu"] = "a line\n";
    fakeViewerWindow() = {};
    fakeViewerWindow().refuseCreation = true;
    runViewer();
    EXPECT_EQ(fakeViewerWindow().calls, (Texts{"create"}));
    EXPECT_EQ(fakeLogFiles().opens, 0);
    EXPECT_TRUE(fakeLogFiles().readSizes.empty());
}

TEST(Viewer, EndsAtACloseRequestDuringTheFill)
{
    const std::string longLine(1 << 20, 'x');
    struct Case {
        std::string log;
        Texts rows;             // shown when the close request comes at the first look
        Texts calls;            // no wait for another close request
        std::int32_t mostBytes; // read from the log by then
    };
    const Case cases[] = {
        {drillLog("\n") + drillLog("\n"),
         {drillLogRows[0]},
         {"create", "beginFill", "row", "endFill", "destroy"},
         LogLineReader::bufferSize},
        // A long line is read in pieces, with a look at the events between them.
        {longLine + "\nlast\n", {}, {"create", "beginFill", "endFill", "destroy"}, 128 * 1024},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.log.substr(0, 20));
        FakeViewerWindow window;
        window.closeOnLook = 1;
        runWithLog(&c.log, std::move(window));
        EXPECT_EQ(fakeViewerWindow().rows, c.rows);
        EXPECT_EQ(fakeViewerWindow().calls, c.calls);
        const std::vector<std::int32_t>& reads = fakeLogFiles().readSizes;
        EXPECT_LE(std::accumulate(reads.begin(), reads.end(), 0), c.mostBytes);
    }
}

// The rows read until then stay, the window waits for its close request as usual.
TEST(Viewer, StopsTheFillWhenMemoryForMoreRowsRunsOut)
{
    for (const bool throws : {false, true}) {
        SCOPED_TRACE(throws ? "thrown" : "refused");
        FakeViewerWindow window;
        (throws ? window.throwAtRow : window.refuseRow) = 3;
        const std::string log = drillLog("\r\n");
        runWithLog(&log, std::move(window));
        EXPECT_EQ(fakeViewerWindow().rows, (Texts{drillLogRows[0], drillLogRows[1]}));
        EXPECT_EQ(fakeViewerWindow().calls,
                  (Texts{"create", "beginFill", "row", "endFill", "close", "destroy"}));
    }
}

// At the bound on rows or on their bytes the fill stops as when memory runs out, and reads no
// further: a line longer than the bound is not read to its end.
TEST(Viewer, StopsTheFillAtTheBoundOnRowsHeld)
{
    struct Case {
        std::string log;
        RowBound bound;
        Texts rows;
        std::int32_t mostBytes; // read from the log
    };
    const std::int32_t buffer = LogLineReader::bufferSize;
    const Case cases[] = {
        {"a\nb\nc\n", {2, 100}, {"a", "b"}, buffer},
        {"aa\nbb\nc\n", {10, 4}, {"aa", "bb"}, buffer},
        {"aa\nbb\nc\n", {10, 5}, {"aa", "bb", "c"}, 2 * buffer}, // and the look at its end
        {"a\n" + std::string(1 << 20, 'x'), {10, 1000}, {"a"}, 128 * 1024},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.log.substr(0, 20));
        fakeLogFiles() = {};
        fakeLogFiles().files["tovu"] = c.log;
        fakeViewerWindow() = {};
        LogLineReader reader;
        createViewerWindow();
        reader.open("tovu");
        EXPECT_FALSE(fillList(reader, c.bound));
        destroyViewerWindow();
        reader.close();
        EXPECT_EQ(fakeViewerWindow().rows, c.rows);
        EXPECT_EQ(fakeViewerWindow().misuses, 0);
        const std::vector<std::int32_t>& reads = fakeLogFiles().readSizes;
        EXPECT_LE(std::accumulate(reads.begin(), reads.end(), 0), c.mostBytes);
    }
}

// A long row is drawn as UTF-8 when the characters that begin within the drawn bytes are.
TEST(Utf8, OnlyTheCharactersBeginningWithinTheBoundAreLookedAt)
{
    struct Case {
        std::string_view bytes;
        std::size_t bound;
        bool valid;
    };
    const Case cases[] = {
        {"ab\xff", 2, true},
        {"ab\xff", 3, false},
        {"a\xc3\xa4", 2, true}, // begun within the bound, looked at whole
        {"a\xc3(", 2, false},
        {"a\xc3", 2, false}, // cut off by the row's end
        {"ab\xff", std::string_view::npos, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isValidUtf8(c.bytes, c.bound), c.valid) << c.bytes << " up to " << c.bound;
}
