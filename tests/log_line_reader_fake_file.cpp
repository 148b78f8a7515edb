// The in-memory file layer: a handle indexes the files opened so far, each with its position.
#include "tests/log_line_reader_fake_file.h"
#include "drillview/log_file.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

FakeOpenFile* fileOf(LogFileHandle handle)
{
    std::vector<FakeOpenFile>& opened = fakeLogFiles().opened;
    if (handle < 0 || static_cast<std::size_t>(handle) >= opened.size() ||
        !opened[static_cast<std::size_t>(handle)].open) {
        ++fakeLogFiles().misuses;
        return nullptr;
    }
    return &opened[static_cast<std::size_t>(handle)];
}

bool readFails(int call)
{
    const FakeLogFiles& fake = fakeLogFiles();
    if (fake.failingFromRead <= 0 || call < fake.failingFromRead)
        return false;
    return fake.failingReads < 0 || call < fake.failingFromRead + fake.failingReads;
}

} // namespace

FakeLogFiles& fakeLogFiles()
{
    static FakeLogFiles fake;
    return fake;
}

LogFileHandle openLogFile(const char* path)
{
    FakeLogFiles& fake = fakeLogFiles();
    const auto found = fake.files.find(path);
    if (found == fake.files.end())
        return noLogFile;
    ++fake.opens;
    ++fake.openFiles;
    fake.opened.push_back({found->second});
    return static_cast<LogFileHandle>(fake.opened.size() - 1);
}

std::int32_t readLogFile(LogFileHandle handle, char* buffer, std::int32_t capacity)
{
    FakeLogFiles& fake = fakeLogFiles();
    fake.readSizes.push_back(capacity);
    FakeOpenFile* file = fileOf(handle);
    if (file == nullptr || capacity <= 0)
        return 0;
    if (readFails(static_cast<int>(fake.readSizes.size()))) {
        if (fake.failedAtPosition < 0)
            fake.failedAtPosition = static_cast<long long>(file->position);
        return 0;
    }
    const std::size_t count =
        std::min({static_cast<std::size_t>(capacity), static_cast<std::size_t>(fake.largestRead),
                  file->bytes.size() - file->position});
    std::memcpy(buffer, file->bytes.data() + file->position, count);
    file->position += count;
    return static_cast<std::int32_t>(count);
}

void stepBackLogFile(LogFileHandle handle)
{
    FakeOpenFile* file = fileOf(handle);
    if (file == nullptr)
        return;
    if (file->position == 0) {
        ++fakeLogFiles().misuses;
        return;
    }
    --file->position;
}

void closeLogFile(LogFileHandle handle)
{
    FakeOpenFile* file = fileOf(handle);
    if (file == nullptr)
        return;
    file->open = false;
    file->bytes.clear();
    --fakeLogFiles().openFiles;
}

// The reader asks for its buffer with a nothrow array new; this one can refuse it. Every other
// request goes on to the usual allocation.
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    if (fakeLogFiles().refuseBuffer)
        return nullptr;
    try {
        return ::operator new[](size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
