// Appending a record on POSIX: O_APPEND and as few writes as the system allows (one for any
// record of a sane size), so concurrent drills never interleave lines and every record lands
// at the true end of the file.
#include "log_append.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

bool appendToFile(const char* path, std::string_view record)
{
    // Non-blocking: a FIFO that nobody reads refuses the opening, and a full one the write,
    // where either would otherwise wait for ever. Files and links to them are not affected.
    const int fd = ::open(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0)
        return false;
    std::size_t done = 0;
    while (done < record.size()) {
        const ssize_t written = ::write(fd, record.data() + done, record.size() - done);
        if (written > 0)
            done += static_cast<std::size_t>(written);
        else if (written == 0 || errno != EINTR)
            break;
    }
    return ::close(fd) == 0 && done == record.size();
}
