// The reader's file layer on POSIX: a plain read-only descriptor. It takes no lock of any
// kind, so a running viewer never keeps drill from appending its records.
#include "drillview/log_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

LogFileHandle openLogFile(const char* path)
{
    // Non-blocking, so that a FIFO without a writer cannot hold the opening up; only a
    // regular file is read, never a FIFO, a device, a socket or a directory.
    int fd;
    do {
        fd = ::open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return noLogFile;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return noLogFile;
    }
    return fd;
}

std::int32_t readLogFile(LogFileHandle file, char* buffer, std::int32_t capacity)
{
    if (capacity <= 0)
        return 0;
    ssize_t delivered;
    do {
        delivered = ::read(static_cast<int>(file), buffer, static_cast<size_t>(capacity));
    } while (delivered < 0 && errno == EINTR);
    return delivered < 0 ? 0 : static_cast<std::int32_t>(delivered);
}

void stepBackLogFile(LogFileHandle file)
{
    ::lseek(static_cast<int>(file), -1, SEEK_CUR);
}

void closeLogFile(LogFileHandle file)
{
    ::close(static_cast<int>(file));
}
