// The console on POSIX: UTF-8 texts as they are, an input that a hangup ends, and output that
// may fail without ending the drill.
#include "drill/console_platform.h"

#include "drill/console_posix.h"

#include <cerrno>
#include <csignal>
#include <iostream>
#include <poll.h>
#include <signal.h>
#include <streambuf>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t lastCaught = 0;
volatile std::sig_atomic_t hangupCaught = 0;
sigset_t caughtSignals;

void onSignal(int signal)
{
    if (signal == SIGHUP)
        hangupCaught = 1;
    lastCaught = signal;
}

// Standard input, read straight from its descriptor: the pause's key never passes through
// this buffer, and typed-ahead answers stay here for the dialogue.
class ConsoleInputBuffer : public std::streambuf {
protected:
    int_type underflow() override
    {
        for (;;) {
            if (hangupCaught != 0)
                return traits_type::eof();
            if (waitForInput(-1) == Waited::Signal)
                continue;
            const ssize_t got = ::read(STDIN_FILENO, buffer_, sizeof buffer_);
            if (got > 0) {
                setg(buffer_, buffer_, buffer_ + got);
                return traits_type::to_int_type(buffer_[0]);
            }
            if (got == 0 || (errno != EINTR && errno != EAGAIN))
                return traits_type::eof();
        }
    }

private:
    char buffer_[4096];
};

} // namespace

bool catchSignal(int signal)
{
    sigset_t blocked;
    struct sigaction previous {};
    if (::sigprocmask(SIG_SETMASK, nullptr, &blocked) != 0 || sigismember(&blocked, signal) ||
        ::sigaction(signal, nullptr, &previous) != 0 || previous.sa_handler != SIG_DFL)
        return false;
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    ::sigprocmask(SIG_BLOCK, &only, nullptr);
    struct sigaction action {};
    action.sa_handler = onSignal; // no SA_RESTART: the wait must end
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
    sigaddset(&caughtSignals, signal);
    return true;
}

void releaseSignal(int signal)
{
    sigdelset(&caughtSignals, signal);
    ::signal(signal, SIG_DFL);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    ::sigprocmask(SIG_UNBLOCK, &only, nullptr);
}

Waited waitForInput(int milliseconds)
{
    sigset_t duringWait;
    ::sigprocmask(SIG_SETMASK, nullptr, &duringWait);
    for (int signal = 1; signal < NSIG; ++signal) {
        if (sigismember(&caughtSignals, signal) == 1)
            sigdelset(&duringWait, signal);
    }
    const timespec limit{milliseconds / 1000, (milliseconds % 1000) * 1000000L};
    pollfd input{STDIN_FILENO, POLLIN, 0};
    const int ready = ::ppoll(&input, 1, milliseconds < 0 ? nullptr : &limit, &duringWait);
    if (ready == 0)
        return Waited::TimedOut;
    return ready < 0 && errno == EINTR ? Waited::Signal : Waited::Input;
}

int takeCaughtSignal()
{
    const int signal = lastCaught;
    lastCaught = 0;
    return signal;
}

bool hungUp()
{
    return hangupCaught != 0;
}

std::istream& openConsoleInput()
{
    sigemptyset(&caughtSignals);
    catchSignal(SIGHUP); // a closed terminal ends the input, as Ctrl+D does
    static ConsoleInputBuffer buffer;
    static std::istream in(&buffer);
    return in;
}

std::ostream& openConsoleOutput()
{
    // Output that nobody takes any more (a closed pipe or terminal) fails quietly, and so does
    // a write beyond the file size limit (EFBIG), the log's above all: the dialogue and its log
    // go on, and a torn record is cut off again.
    ::signal(SIGPIPE, SIG_IGN);
    ::signal(SIGXFSZ, SIG_IGN);
    return std::cout;
}
