// A report's text handed on a piece at a time, so that the whole never stands in memory and
// each write is a large one.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// Takes the next piece; false when it could not be kept.
using ReportWriter = std::function<bool(std::string_view)>;

// The text not yet handed on.
struct PieceOutput {
    const ReportWriter& write;
    std::string text;
    bool failed = false;
};

inline constexpr std::size_t reportPieceSize = std::size_t{64} * 1024;

// Output that starts with text, with room for a full piece and what overfills it, so that the
// pieces are made without growing.
inline PieceOutput startPieces(const ReportWriter& write, std::string_view text = {})
{
    PieceOutput out{write, {}, false};
    out.text.reserve(reportPieceSize + std::size_t{16} * 1024);
    out.text += text;
    return out;
}

// Hands the text on when a piece is full, or at the end; after a failure only drops it.
inline void handOn(PieceOutput& out, bool atEnd = false)
{
    if (out.text.size() < reportPieceSize && !atEnd)
        return;
    out.failed = out.failed || !out.write(out.text);
    out.text.clear();
}
