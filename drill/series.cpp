// The exercise series.
#include "series.h"

#include "console_io.h"
#include "drill_texts.h"

#include <cstdlib>
#include <string_view>
#include <utility>

namespace {

std::int32_t draw(DrillState& state, DrillConsole& console)
{
    return console.drawNumber() % state.numberLimit;
}

void judgeAnswer(DrillState& state, DrillConsole& console)
{
    if (state.lastInput == state.expectedAnswer) {
        writeText(console, texts::right);
    } else {
        ++state.errorCount;
        writeText(console, texts::wrong);
    }
    writeNumber(console, state.errorCount);
    writeText(console, texts::errorsSoFar);
    writeEndOfLine(console);
    writeEndOfLine(console);
}

} // namespace

void drawExercise(DrillState& state, DrillConsole& console)
{
    console.seedGenerator(static_cast<unsigned>(console.now()));
    state.firstDraw = draw(state, console);
    state.secondDraw = draw(state, console);
    ++state.exerciseNumber;
    if (state.exerciseType != Division)
        return;
    state.quotient = draw(state, console);
    // Never divide by 0: redraw from the running generator, without a new seed.
    while (state.firstDraw == 0) {
        state.firstDraw = draw(state, console);
        state.quotient = draw(state, console);
    }
    state.secondDraw = state.quotient * state.firstDraw;
}

std::string composeExercise(DrillState& state)
{
    const std::string first = std::to_string(state.firstDraw);
    const std::string second = std::to_string(state.secondDraw);
    std::string line(texts::exerciseNumber);
    line += std::to_string(state.exerciseNumber);
    if (state.exerciseType == SquareRoot) {
        state.expectedAnswer = state.firstDraw;
        line += texts::rootOf;
        line += std::to_string(state.firstDraw * state.firstDraw);
        line += texts::equals;
        return line;
    }
    line += texts::exerciseGap;
    std::string_view operation = texts::plus;
    std::string_view left = first;
    std::string_view right = second;
    switch (state.exerciseType) {
    case Addition:
        state.expectedAnswer = state.firstDraw + state.secondDraw;
        break;
    case Subtraction:
        // The larger number comes first, so results are never negative.
        operation = texts::minus;
        if (state.firstDraw < state.secondDraw)
            std::swap(left, right);
        state.expectedAnswer = std::abs(state.firstDraw - state.secondDraw);
        break;
    case Multiplication:
        operation = texts::times;
        state.expectedAnswer = state.firstDraw * state.secondDraw;
        break;
    case Division:
        operation = texts::dividedBy;
        std::swap(left, right);
        state.expectedAnswer = state.quotient;
        break;
    case Squaring:
        state.expectedAnswer = state.firstDraw * state.firstDraw;
        return line + first + std::string(texts::squared);
    }
    return line.append(left).append(operation).append(right).append(texts::equals);
}

bool runSeries(DrillState& state, DrillConsole& console)
{
    for (;;) {
        drawExercise(state, console);
        const std::string exercise = composeExercise(state);
        ReadResult read;
        for (;;) {
            writeText(console, exercise);
            read = readWholeNumber(console, state.lastInput);
            if (read != ReadResult::NotANumber)
                break;
            writeText(console, texts::notAWholeNumber);
            writeEndOfLine(console);
        }
        // 12345 is checked first, so it ends the series even as the right result.
        if (read == ReadResult::EndOfInput || state.lastInput == SeriesEndAnswer) {
            writeEndOfLine(console);
            return read != ReadResult::EndOfInput;
        }
        judgeAnswer(state, console);
    }
}
