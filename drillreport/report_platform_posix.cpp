// The report's platform layer on POSIX: plain writes and the page renamed into place. The
// desktop entry asks for its page itself, so the program never counts as started alone.
#include "report_platform.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace {

bool writeAll(int file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(file, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A new file beside the page, so that the rename stays on one file system. O_EXCL never
// follows a link someone put in its place; a name in use is passed over.
int createBeside(const std::string& path, std::string& temporary)
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        temporary =
            path + '.' + std::to_string(::getpid()) + '.' + std::to_string(attempt) + ".tmp";
        const int file = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (file >= 0 || errno != EEXIST)
            return file;
    }
    return -1;
}

} // namespace

bool writeStandardOutput(std::string_view utf8)
{
    return writeAll(STDOUT_FILENO, utf8);
}

bool writeStandardError(std::string_view utf8)
{
    return writeAll(STDERR_FILENO, utf8);
}

bool replaceFile(const std::string& path, std::string_view bytes)
{
    std::string temporary;
    const int file = createBeside(path, temporary);
    if (file < 0)
        return false;
    const bool written = writeAll(file, bytes) && ::fsync(file) == 0;
    if (::close(file) != 0 || !written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

bool startedAlone()
{
    return false;
}

std::string fullPath(const std::string& path)
{
    std::error_code failed;
    const std::filesystem::path full = std::filesystem::absolute(path, failed);
    return failed ? path : full.string();
}

bool openInBrowser(const std::string&)
{
    return false;
}

void waitForKey()
{
    char byte = 0;
    while (::read(STDIN_FILENO, &byte, 1) < 0 && errno == EINTR) {
    }
}
