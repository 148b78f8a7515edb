// Writing bytes whole on POSIX: write() until done, again after a signal.
#include "logtext/write_all_posix.h"

#include <cerrno>
#include <unistd.h>

std::size_t writeBytes(int file, std::string_view bytes, off_t* began)
{
    if (began != nullptr)
        *began = -1;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(file, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            break;
        if (done == 0 && began != nullptr) {
            const off_t end = ::lseek(file, 0, SEEK_CUR);
            *began = end < 0 ? -1 : end - written;
        }
        done += static_cast<std::size_t>(written);
    }
    return done;
}
