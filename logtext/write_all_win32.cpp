// Writing bytes whole on Win32: WriteFile until done, a piece at a time.
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
