// Writing whole on Win32: WriteFile and WriteConsoleW until done, a piece at a time.
#include "logtext/write_all_win32.h"

#include <windows.h>

#include <algorithm>

std::size_t writeBytes(void* file, std::string_view bytes)
{
    constexpr std::size_t largestPiece = std::size_t{1} << 20;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD piece = static_cast<DWORD>(std::min(bytes.size() - done, largestPiece));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, piece, &written, nullptr) || written == 0)
            break;
        done += written;
    }
    return done;
}

bool writeConsoleAll(void* console, std::wstring_view text)
{
    constexpr std::size_t largestPiece = 4096;
    std::size_t done = 0;
    while (done < text.size()) {
        std::size_t piece = std::min(text.size() - done, largestPiece);
        // A pair parted between two writes would reach the console as two wrong characters.
        if (done + piece < text.size() && IS_HIGH_SURROGATE(text[done + piece - 1]))
            --piece;
        DWORD written = 0;
        if (!WriteConsoleW(console, text.data() + done, static_cast<DWORD>(piece), &written,
                           nullptr) ||
            written == 0)
            return false;
        done += written;
    }
    return true;
}
