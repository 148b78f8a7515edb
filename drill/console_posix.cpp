// The console on POSIX: UTF-8 texts as they are, and a pause that reads one key from the
// terminal without touching what the program's input stream has buffered.
#include "console_platform.h"

#include "drill_texts.h"

#include <cerrno>
#include <iostream>
#include <termios.h>
#include <unistd.h>

std::ostream& openConsoleOutput()
{
    return std::cout;
}

void pauseForKey(std::ostream& out)
{
    out << texts::pausePrompt << std::flush;
    termios saved{};
    if (::isatty(STDIN_FILENO) && ::tcgetattr(STDIN_FILENO, &saved) == 0) {
        termios raw = saved;
        raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
        raw.c_cc[VMIN] = 1;
        raw.c_cc[VTIME] = 0;
        if (::tcsetattr(STDIN_FILENO, TCSANOW, &raw) == 0) {
            char key = 0;
            // Straight from the descriptor: bytes the stream already holds stay for it.
            while (::read(STDIN_FILENO, &key, 1) < 0 && errno == EINTR) {
            }
            ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
        }
    }
    out << '\n' << std::flush;
}
