// The report's platform layer on POSIX: plain writes, the page made without a name where the
// file system allows and renamed into place, and files told apart by device and inode.
#include "drillreport/report_platform.h"

#include "drillreport/temporary_name.h"

#include "logtext/write_all_posix.h"

#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
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

// The temporary page while it has a name, for an interruption to remove before it ends the
// run; a name, not a string, as a signal handler may only read memory.
char unfinishedPage[PATH_MAX];
volatile std::sig_atomic_t pageUnfinished = 0;

constexpr std::array<int, 4> interruptions{SIGINT, SIGTERM, SIGHUP, SIGQUIT};
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

// Gives the temporary page a name by nameIt (false when it cannot) with the interruptions held
// back until the name is noted for them, so that none comes between.
bool nameNoted(const std::function<bool(std::string&)>& nameIt, std::string& name)
{
    sigset_t held;
    sigset_t before;
    sigemptyset(&held);
    for (const int signal : interruptions)
        sigaddset(&held, signal);
    ::sigprocmask(SIG_BLOCK, &held, &before);
    const bool named = nameIt(name);
    const int error = errno; // why it could not, for the caller
    if (named && name.size() < sizeof unfinishedPage) {
        std::memcpy(unfinishedPage, name.c_str(), name.size() + 1);
        pageUnfinished = 1;
    }
    ::sigprocmask(SIG_SETMASK, &before, nullptr);
    errno = error;
    return named;
}

// The new page's folder: the target's, so that the rename stays on one file system.
std::string folderOf(const std::string& target)
{
    return target.substr(0, target.rfind('/') + 1);
}

std::string descriptorPath(int file)
{
    return "/proc/self/fd/" + std::to_string(file);
}

// A new file without a name in the folder, so that whatever ends the run before it is
// complete (SIGKILL, a power cut) leaves nothing; -1 where the file system makes none, or no
// /proc lets it be linked later.
int createNameless(const std::string& folder)
{
    const int file =
        ::open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (file >= 0 && ::access(descriptorPath(file).c_str(), F_OK) != 0) {
        ::close(file);
        return -1;
    }
    return file;
}

// The complete nameless page linked under a short name that fits wherever the target's does;
// linkat never replaces what someone put there.
bool linkBeside(int file, const std::string& folder, std::string& temporary)
{
    const std::string from = descriptorPath(file);
    std::uint32_t mixed = temporaryNameSeed(static_cast<std::uint32_t>(::getpid()),
                                            static_cast<std::uint32_t>(std::time(nullptr)));
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = nextTemporaryName(mixed);
        const bool linked = nameNoted(
            [&](std::string& path) {
                path = folder + name;
                return ::linkat(AT_FDCWD, from.c_str(), AT_FDCWD, path.c_str(),
                                AT_SYMLINK_FOLLOW) == 0;
            },
            temporary);
        if (linked || errno != EEXIST)
            return linked;
    }
    return false;
}

// A new file with a name from the start, where no nameless one can be had (a FAT stick);
// mkostemp never follows a link someone put in its place.
int createNamed(const std::string& folder, std::string& temporary)
{
    int file = -1;
    nameNoted(
        [&](std::string& path) {
            path = folder + ".lfXXXXXX";
            file = ::mkostemp(path.data(), O_CLOEXEC);
            return file >= 0;
        },
        temporary);
    return file;
}

ReplaceOutcome writeBeside(const std::string& target, const struct stat& old, bool exists,
                           const std::function<bool(const ReportWriter&)>& writeContent)
{
    const std::string folder = folderOf(target);
    std::string temporary;
    int file = createNameless(folder);
    const bool nameless = file >= 0;
    if (!nameless)
        file = createNamed(folder, temporary);
    if (file < 0)
        return ReplaceOutcome::Failed;
    const bool written =
        takePermissions(file, old, exists) &&
        writeContent([file](std::string_view piece) { return writeAll(file, piece); }) &&
        ::fsync(file) == 0 && (!nameless || linkBeside(file, folder, temporary));
    if (::close(file) != 0 || !written || std::rename(temporary.c_str(), target.c_str()) != 0) {
        if (!temporary.empty())
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
