// The pause on POSIX: a prompt, then one key read from the terminal without echo. Whatever
// ends or stops the drill meanwhile finds the terminal's own settings restored first.
#include "drill/console_platform.h"

#include "drill/console_posix.h"
#include "drill/drill_texts.h"
#include "logtext/utf8.h"

#include <cerrno>
#include <csignal>
#include <iterator>
#include <ostream>
#include <termios.h>
#include <unistd.h>

namespace {

enum class KeyRead { Key, Signal, Ended, TimedOut };

// The bytes of one key arrive together: a lone Escape is told from a sequence by this quiet.
constexpr int followingByteMilliseconds = 100;

KeyRead readByte(unsigned char& byte, int milliseconds)
{
    for (;;) {
        switch (waitForInput(milliseconds)) {
        case Waited::Signal:
            return KeyRead::Signal;
        case Waited::TimedOut:
            return KeyRead::TimedOut;
        case Waited::Input:
            break;
        }
        const ssize_t got = ::read(STDIN_FILENO, &byte, 1);
        if (got == 1)
            return KeyRead::Key;
        if (got == 0 || (errno != EINTR && errno != EAGAIN))
            return KeyRead::Ended;
    }
}

// Takes the rest of a UTF-8 character whose first byte is lead.
KeyRead readCharacterRest(unsigned char lead)
{
    const std::size_t length = utf8SequenceLength(&lead, 1);
    unsigned char byte = 0;
    KeyRead read = KeyRead::Key;
    for (std::size_t i = 1; i < length && read == KeyRead::Key; ++i)
        read = readByte(byte, followingByteMilliseconds);
    return read;
}

// After Escape: "[" opens a control sequence that runs to its final byte, "O" is followed by
// one more byte, anything else is a key typed with Alt; nothing at all is Escape alone.
KeyRead readEscapeRest()
{
    unsigned char byte = 0;
    KeyRead read = readByte(byte, followingByteMilliseconds);
    if (read != KeyRead::Key)
        return read;
    if (byte == 'O')
        return readByte(byte, followingByteMilliseconds);
    if (byte != '[')
        return readCharacterRest(byte);
    // Parameters and intermediates come from 0x20 to 0x3F, the final byte from 0x40 to 0x7E;
    // the Linux console's F1 to F5 put one more "[" in front.
    for (int count = 0; count < 32; ++count) {
        read = readByte(byte, followingByteMilliseconds);
        if (read != KeyRead::Key || (byte >= 0x40 && byte <= 0x7E && !(byte == '[' && count == 0)))
            break;
    }
    return read;
}

// Every byte the terminal sends for one key, and none typed after it.
KeyRead readKey()
{
    unsigned char first = 0;
    const KeyRead read = readByte(first, -1);
    if (read != KeyRead::Key)
        return read;
    return first == 0x1B ? readEscapeRest() : readCharacterRest(first);
}

// Stops the drill as the terminal asked, and catches the stop again once it goes on.
void stopUntilContinued()
{
    releaseSignal(SIGTSTP);
    std::raise(SIGTSTP);
    catchSignal(SIGTSTP);
}

// The prompt shows once the terminal no longer echoes, so that even a key typed the moment it
// appears is not echoed.
void waitForKey(std::ostream& out)
{
    bool prompted = false;
    const auto prompt = [&out, &prompted] {
        if (!prompted)
            out << texts::pausePrompt << std::flush;
        prompted = true;
    };
    constexpr int endingSignals[] = {SIGINT, SIGTERM, SIGQUIT, SIGTSTP};
    bool caught[std::size(endingSignals)] = {};
    for (std::size_t i = 0; i < std::size(endingSignals); ++i)
        caught[i] = catchSignal(endingSignals[i]);
    for (;;) {
        // Fetched anew after every stop: the shell may have changed them meanwhile.
        termios saved{};
        if (hungUp() || ::tcgetattr(STDIN_FILENO, &saved) != 0)
            break;
        termios raw = saved;
        raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
        raw.c_cc[VMIN] = 1;
        raw.c_cc[VTIME] = 0;
        if (::tcsetattr(STDIN_FILENO, TCSANOW, &raw) != 0)
            break;
        prompt();
        const KeyRead read = readKey();
        ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
        if (read != KeyRead::Signal)
            break;
        const int signal = takeCaughtSignal();
        if (signal == SIGHUP)
            break;
        if (signal == SIGTSTP) {
            stopUntilContinued();
        } else if (signal != 0) {
            // With the terminal as it was, the signal ends the drill as it always would.
            releaseSignal(signal);
            std::raise(signal);
        }
    }
    prompt();
    for (std::size_t i = 0; i < std::size(endingSignals); ++i) {
        if (caught[i])
            releaseSignal(endingSignals[i]);
    }
}

} // namespace

void pauseForKey(std::ostream& out)
{
    if (::isatty(STDIN_FILENO))
        waitForKey(out);
    else
        out << texts::pausePrompt;
    out << '\n' << std::flush;
}
