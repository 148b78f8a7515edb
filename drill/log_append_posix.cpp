// Appending a record on POSIX: O_APPEND and a single write, so concurrent drills never
// interleave lines and every record lands at the true end of the file.
#include "log_append.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

bool appendToFile(const char* path, std::string_view record)
{
    const int fd = ::open(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    ssize_t written;
    do {
        written = ::write(fd, record.data(), record.size());
    } while (written < 0 && errno == EINTR);
    const bool whole = written == static_cast<ssize_t>(record.size());
    return ::close(fd) == 0 && whole;
}
