// The fake window: rows into a vector, events from a count, and a check of the call order
// (rows only while filling, nothing once the window is gone or has answered the close).
#include "tests/viewer_fake_window.h"
#include "drillview/viewer_window.h"

#include <new>

namespace {

enum class Stage { none, shown, filling, closed, destroyed };

Stage stage = Stage::none;
int waits = 0;
int offeredRows = 0;

void expectStage(bool allowed)
{
    if (!allowed)
        ++fakeViewerWindow().misuses;
}

} // namespace

FakeViewerWindow& fakeViewerWindow()
{
    static FakeViewerWindow fake;
    return fake;
}

bool createViewerWindow()
{
    FakeViewerWindow& fake = fakeViewerWindow();
    fake.calls.push_back("create");
    stage = fake.refuseCreation ? Stage::none : Stage::shown;
    waits = 0;
    offeredRows = 0;
    return !fake.refuseCreation;
}

bool appendRow(std::string_view row)
{
    FakeViewerWindow& fake = fakeViewerWindow();
    expectStage(stage == Stage::filling);
    ++offeredRows;
    if (offeredRows == fake.throwAtRow)
        throw std::bad_alloc();
    if (offeredRows == fake.refuseRow)
        return false;
    if (fake.calls.back() != "row")
        fake.calls.push_back("row");
    fake.rows.emplace_back(row);
    return true;
}

void beginFill()
{
    fakeViewerWindow().calls.push_back("beginFill");
    expectStage(stage == Stage::shown);
    stage = Stage::filling;
}

void endFill()
{
    fakeViewerWindow().calls.push_back("endFill");
    expectStage(stage == Stage::filling);
    stage = Stage::shown;
}

bool handlePendingEvents()
{
    FakeViewerWindow& fake = fakeViewerWindow();
    expectStage(stage == Stage::filling);
    return ++fake.looks == fake.closeOnLook;
}

bool waitForEvent()
{
    FakeViewerWindow& fake = fakeViewerWindow();
    expectStage(stage == Stage::shown);
    if (++waits < fake.closeOnWait) {
        fake.calls.push_back("wait");
        return false;
    }
    fake.calls.push_back("close");
    stage = Stage::closed;
    return true;
}

void destroyViewerWindow()
{
    FakeViewerWindow& fake = fakeViewerWindow();
    fake.calls.push_back("destroy");
    expectStage(stage == Stage::shown || stage == Stage::closed);
    stage = Stage::destroyed;
    if (fake.onDestroy)
        fake.onDestroy();
}
