// The console on Win32: the UTF-8 texts reach a real console as wide characters and a file or
// pipe as code page 850 bytes; the pause is the command interpreter's PAUSE.
#include "drill/console_platform.h"

#include "logtext/utf8.h"
#include "logtext/write_all_win32.h"

#include <windows.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <iostream>
#include <streambuf>
#include <string>

namespace {

// The code page of the drill's texts in a redirected output, whatever the system's setting.
constexpr UINT redirectedCodePage = 850;

// Buffers the dialogue's bytes and, at every flush, hands them to the console or the file.
class ConsoleOutputBuffer : public std::streambuf {
public:
    ConsoleOutputBuffer() : handle_(GetStdHandle(STD_OUTPUT_HANDLE))
    {
        DWORD mode = 0;
        isConsole_ =
            handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE && GetConsoleMode(handle_, &mode);
        setp(buffer_, buffer_ + sizeof buffer_);
    }

protected:
    int_type overflow(int_type c) override
    {
        writePending(false);
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }

    int sync() override
    {
        writePending(true);
        return 0;
    }

private:
    // Writes what is buffered; a sequence cut off by a full buffer waits for its rest unless
    // this is a flush, where whatever is left counts as bytes that are no UTF-8.
    void writePending(bool flush)
    {
        const auto* bytes = reinterpret_cast<const unsigned char*>(pbase());
        const std::size_t count = static_cast<std::size_t>(pptr() - pbase());
        std::wstring wide;
        std::string narrow;
        std::size_t done = 0;
        while (done < count) {
            const std::size_t length = utf8SequenceLength(bytes + done, count - done);
            if (length > count - done && !flush)
                break;
            if (length == 0 || length > count - done) {
                appendForeignByte(bytes[done], wide, narrow);
                ++done;
                continue;
            }
            appendCharacter(pbase() + done, static_cast<int>(length), wide, narrow);
            done += length;
        }
        if (isConsole_)
            writeConsoleAll(handle_, wide);
        else
            writeAll(handle_, narrow);
        const std::size_t kept = count - done;
        for (std::size_t i = 0; i < kept; ++i)
            buffer_[i] = pbase()[done + i];
        setp(buffer_, buffer_ + sizeof buffer_);
        pbump(static_cast<int>(kept));
    }

    // A line ends in CR LF, as a Windows text-mode stream writes it.
    void appendCharacter(const char* sequence, int length, std::wstring& wide,
                         std::string& narrow) const
    {
        wchar_t converted[2];
        const int units = MultiByteToWideChar(CP_UTF8, 0, sequence, length, converted, 2);
        if (isConsole_) {
            if (converted[0] == L'\n')
                wide += L'\r';
            wide.append(converted, static_cast<std::size_t>(units));
            return;
        }
        if (converted[0] == L'\n')
            narrow += '\r';
        char encoded[4];
        const int size = WideCharToMultiByte(redirectedCodePage, 0, converted, units, encoded,
                                             sizeof encoded, nullptr, nullptr);
        narrow.append(encoded, static_cast<std::size_t>(size > 0 ? size : 0));
    }

    // A byte that is no UTF-8 comes from what the learner typed, in the console's own code
    // page: the console shows it in that code page, a file gets it unchanged.
    void appendForeignByte(unsigned char byte, std::wstring& wide, std::string& narrow) const
    {
        if (!isConsole_) {
            narrow += static_cast<char>(byte);
            return;
        }
        const char single = static_cast<char>(byte);
        wchar_t converted = L'?';
        MultiByteToWideChar(GetConsoleOutputCP(), 0, &single, 1, &converted, 1);
        wide += converted;
    }

    HANDLE handle_;
    bool isConsole_ = false;
    char buffer_[1024];
};

} // namespace

std::istream& openConsoleInput()
{
    // Text mode: CR LF arrives as LF, and Ctrl+Z on the console ends the input.
    _setmode(_fileno(stdin), _O_TEXT);
    return std::cin;
}

std::ostream& openConsoleOutput()
{
    static ConsoleOutputBuffer buffer;
    static std::ostream out(&buffer);
    return out;
}

void pauseForKey(std::ostream& out)
{
    out.flush();
    DWORD mode = 0;
    if (GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode)) {
        std::system("PAUSE");
        return;
    }
    // Without a console PAUSE would read its key from the learner's redirected input and take
    // a byte of the next answer, or wait on an open pipe; like this it reads nothing.
    std::system("PAUSE <NUL");
}
