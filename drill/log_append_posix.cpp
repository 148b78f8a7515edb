// Appending a record on POSIX: O_APPEND and as few writes as the system allows (one for any
// record of a sane size), so concurrent drills never interleave lines and every record lands
// at the true end of the file; a record that cannot be written whole is cut off again.
#include "drill/log_append.h"

#include "logtext/write_all_posix.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Cuts the file back to where the record began, so the next record starts on a line of its
// own. Only a regular file is cut, and only while every byte after `began` is ours: had
// another drill appended since, its record would go too, so the torn one stays. (A record
// appended between the look and the cut is not seen: drills hold no lock, and on a full disk
// that one is torn as well.)
void cutBack(int fd, off_t began, std::size_t written)
{
    struct stat file {};
    if (began >= 0 && ::fstat(fd, &file) == 0 && S_ISREG(file.st_mode) &&
        file.st_size == began + static_cast<off_t>(written))
        (void)!::ftruncate(fd, began);
}

} // namespace

bool appendToFile(const char* path, std::string_view record)
{
    // Non-blocking: a FIFO that nobody reads refuses the opening, and a full one the write,
    // where either would otherwise wait for ever. Files and links to them are not affected.
    const int fd = ::open(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0)
        return false;
    // O_APPEND places the first write at the end as it is then, after any record another
    // drill appended since the opening: that write's offset, not the length now, is ours.
    off_t began = -1;
    const std::size_t done = writeBytes(fd, record, &began);
    if (done > 0 && done < record.size())
        cutBack(fd, began, done);
    return ::close(fd) == 0 && done == record.size();
}
