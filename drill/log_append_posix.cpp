// Appending a record on POSIX: O_APPEND and as few writes as the system allows (one for any
// record of a sane size), under an advisory lock that drills hold only for the append and its
// cut-back, so concurrent drills never interleave lines, every record lands at the true end of
// the file, and a record that cannot be written whole is cut off again with none but its bytes.
#include "drill/log_append.h"

#include "drill/lock_wait.h"

#include "logtext/drill_log_format.h"
#include "logtext/write_all_posix.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The lock among drills; a file system that has no locks gives None, and the append then goes
// on without (and without a cut-back, which only the lock makes safe).
Lock lockForAppend(int fd)
{
    return waitForLock([fd] {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return Lock::Held;
        return errno == EWOULDBLOCK ? Lock::Busy : Lock::None;
    });
}

// True when the file's last byte ends no line: what a drill killed in the middle of its
// append, or a power cut, left. The next record then begins with the line end it lacks.
bool endsInTornLine(int fd)
{
    struct stat file {};
    char last = '\n';
    return ::fstat(fd, &file) == 0 && file.st_size > 0 &&
           ::pread(fd, &last, 1, file.st_size - 1) == 1 && !logFormat::endsLine(last);
}

// Cuts the file back to where the record began, so the next record starts on a line of its
// own; only while every byte after `began` is ours, as a writer that takes no lock may have
// appended since.
void cutBack(int fd, off_t began, std::size_t written)
{
    struct stat file {};
    if (began >= 0 && ::fstat(fd, &file) == 0 &&
        file.st_size == began + static_cast<off_t>(written))
        (void)!::ftruncate(fd, began);
}

// Read and write where the log lets us, so that a torn line can be looked for; anything but a
// file only for writing, as a reader of a FIFO is not to be faked.
int openForAppend(const char* path, bool& readable)
{
    // Non-blocking: a FIFO that nobody reads refuses the opening, and a full one the write,
    // where either would otherwise wait for ever. Files and links to them are not affected.
    constexpr int flags = O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK;
    struct stat file {};
    readable = ::stat(path, &file) != 0 || S_ISREG(file.st_mode);
    const int fd = readable ? ::open(path, O_RDWR | flags, 0666) : -1;
    if (fd >= 0)
        return fd;
    readable = false;
    return ::open(path, O_WRONLY | flags, 0666);
}

// The record, after the line end a torn last line lacks; true when it was written whole.
bool writeOnALineOfItsOwn(int fd, bool readable, std::string_view record, bool cut)
{
    std::string ended;
    std::string_view bytes = record;
    if (readable && endsInTornLine(fd)) {
        ended = '\n' + std::string(record);
        bytes = ended;
    }
    // O_APPEND places the first write at the end as it is then: that write's offset, not the
    // length looked up before, is where our bytes begin.
    off_t began = -1;
    const std::size_t done = writeBytes(fd, bytes, &began);
    if (cut && done > 0 && done < bytes.size())
        cutBack(fd, began, done);
    return done == bytes.size();
}

} // namespace

bool appendToFile(const char* path, std::string_view record, bool toDisk)
{
    bool readable = false;
    const int fd = openForAppend(path, readable);
    if (fd < 0)
        return false;
    struct stat file {};
    const bool regular = ::fstat(fd, &file) == 0 && S_ISREG(file.st_mode);
    const Lock lock = regular ? lockForAppend(fd) : Lock::None;
    const bool whole =
        lock != Lock::Busy && writeOnALineOfItsOwn(fd, readable, record, lock == Lock::Held);
    // The lock goes before the wait for the disk, which no other drill needs to share.
    if (lock == Lock::Held)
        ::flock(fd, LOCK_UN);
    const bool kept = whole && (!toDisk || !regular || ::fdatasync(fd) == 0);
    return ::close(fd) == 0 && kept;
}
