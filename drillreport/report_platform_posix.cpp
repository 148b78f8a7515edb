// The report's platform layer on POSIX: plain writes, the page renamed into place, and files
// told apart by device and inode.
#include "drillreport/report_platform.h"

#include "logtext/write_all_posix.h"

#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Where the page goes: its own name when that is missing or a regular file, or the regular
// file a link leads to; status is then what is there now. A link that leads nowhere is not
// followed: that would make a file in a place nobody named.
ReplaceOutcome findTarget(const std::string& path, std::string& target, struct stat& status,
                          bool& exists)
{
    target = path;
    exists = ::lstat(path.c_str(), &status) == 0;
    if (!exists)
        return errno == ENOENT ? ReplaceOutcome::Replaced : ReplaceOutcome::Failed;
    if (S_ISLNK(status.st_mode)) {
        char* resolved = ::realpath(path.c_str(), nullptr);
        if (resolved == nullptr)
            return errno == ENOENT || errno == ELOOP ? ReplaceOutcome::NotAFile
                                                     : ReplaceOutcome::Failed;
        target = resolved;
        std::free(resolved);
        if (::lstat(target.c_str(), &status) != 0)
            return ReplaceOutcome::Failed;
    }
    return S_ISREG(status.st_mode) ? ReplaceOutcome::Replaced : ReplaceOutcome::NotAFile;
}

// A new file in the target's folder, so that the rename stays on one file system, under a
// short name that fits wherever the target's does. mkostemp never follows a link someone put
// in its place.
int createBeside(const std::string& target, std::string& temporary)
{
    temporary = target.substr(0, target.rfind('/') + 1) + ".lfXXXXXX";
    return ::mkostemp(temporary.data(), O_CLOEXEC);
}

// The old page's permissions and, where the process may give them, its owner and group; a new
// page gets what the umask leaves of read and write for all.
bool takePermissions(int file, const struct stat& old, bool exists)
{
    if (!exists) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return ::fchmod(file, 0666 & ~mask) == 0;
    }
    // Only root may give a file away: a page that cannot keep its owner is written all the same.
    [[maybe_unused]] const bool ownerKept = ::fchown(file, old.st_uid, old.st_gid) == 0;
    return ::fchmod(file, old.st_mode & 07777) == 0;
}

// The temporary page while it is written, for an interruption to remove before it ends the
// run; a name, not a string, as a signal handler may only read memory.
char unfinishedPage[PATH_MAX];
volatile std::sig_atomic_t pageUnfinished = 0;

constexpr std::array<int, 3> interruptions{SIGINT, SIGTERM, SIGHUP};
using Actions = std::array<struct sigaction, interruptions.size()>;

extern "C" void removeUnfinishedPage(int signal)
{
    if (pageUnfinished != 0)
        ::unlink(unfinishedPage);
    ::raise(signal); // its default action again, taken once the handler returns
}

// Catches the interruptions whose action is the default; one the caller ignores (nohup) stays
// ignored. Answers the actions to put back.
Actions catchInterruptions()
{
    Actions before{};
    struct sigaction caught {};
    caught.sa_handler = removeUnfinishedPage;
    caught.sa_flags = SA_RESETHAND;
    sigemptyset(&caught.sa_mask);
    for (std::size_t i = 0; i < interruptions.size(); ++i) {
        ::sigaction(interruptions[i], nullptr, &before[i]);
        if (before[i].sa_handler == SIG_DFL)
            ::sigaction(interruptions[i], &caught, nullptr);
    }
    return before;
}

void restoreInterruptions(const Actions& before)
{
    pageUnfinished = 0;
    for (std::size_t i = 0; i < interruptions.size(); ++i)
        ::sigaction(interruptions[i], &before[i], nullptr);
}

ReplaceOutcome writeBeside(const std::string& target, const struct stat& old, bool exists,
                           const std::function<bool(const ReportWriter&)>& writeContent)
{
    std::string temporary;
    const int file = createBeside(target, temporary);
    if (file < 0)
        return ReplaceOutcome::Failed;
    if (temporary.size() < sizeof unfinishedPage) {
        std::memcpy(unfinishedPage, temporary.c_str(), temporary.size() + 1);
        pageUnfinished = 1;
    }
    const bool written =
        takePermissions(file, old, exists) &&
        writeContent([file](std::string_view piece) { return writeAll(file, piece); }) &&
        ::fsync(file) == 0;
    if (::close(file) != 0 || !written || std::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return ReplaceOutcome::Failed;
    }
    return ReplaceOutcome::Replaced;
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

ReplaceOutcome replaceFile(const std::string& path,
                           const std::function<bool(const ReportWriter&)>& writeContent)
{
    std::string target;
    struct stat old {};
    bool exists = false;
    const ReplaceOutcome found = findTarget(path, target, old, exists);
    if (found != ReplaceOutcome::Replaced)
        return found;
    // Interrupted while the page is written, the run leaves nothing but the old page.
    const Actions before = catchInterruptions();
    const ReplaceOutcome outcome = writeBeside(target, old, exists, writeContent);
    restoreInterruptions(before);
    return outcome;
}

bool isSameFile(const std::string& first, const std::string& second)
{
    struct stat one {};
    struct stat other {};
    return ::stat(first.c_str(), &one) == 0 && ::stat(second.c_str(), &other) == 0 &&
           one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}
