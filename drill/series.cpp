// The exercise series.
#include "drill/series.h"

#include "drill/console_io.h"
#include "drill/drill_texts.h"

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
    writeLine(console, texts::errorsSoFar);
    writeEndOfLine(console);
}

} // namespace

void drawExercise(DrillState& state, DrillConsole& console)
{
    console.seedGenerator(static_cast<unsigned>(console.now()));
    state.firstDraw = draw(state, console);
    state.secondDraw = draw(state, console);
    ++state.exerciseNumber;
    if (state.exerciseType != ExerciseType::Division)
        return;
    state.quotient = draw(state, console);
    // Never divide by 0: redraw from the running generator, without a new seed.
    while (state.firstDraw == 0) {
        state.firstDraw = draw(state, console);
        state.quotient = draw(state, console);
    }
    state.secondDraw = state.quotient * state.firstDraw;
}

Exercise composeExercise(const DrillState& state)
{
    const std::string first = std::to_string(state.firstDraw);
    const std::string second = std::to_string(state.secondDraw);
    Exercise exercise{std::string(texts::exerciseNumber) + std::to_string(state.exerciseNumber)};
    std::string& line = exercise.line;
    if (state.exerciseType == ExerciseType::SquareRoot) {
        exercise.expectedAnswer = state.firstDraw;
        line.append(texts::rootOf).append(std::to_string(state.firstDraw * state.firstDraw));
        line += texts::equals;
        return exercise;
    }
    line += texts::exerciseGap;
    std::string_view operation = texts::plus;
    std::string_view left = first;
    std::string_view right = second;
    switch (state.exerciseType) {
    case ExerciseType::Addition:
        exercise.expectedAnswer = state.firstDraw + state.secondDraw;
        break;
    case ExerciseType::Subtraction:
        // The larger number comes first, so results are never negative.
        operation = texts::minus;
        if (state.firstDraw < state.secondDraw)
            std::swap(left, right);
        exercise.expectedAnswer = std::abs(state.firstDraw - state.secondDraw);
        break;
    case ExerciseType::Multiplication:
        operation = texts::times;
        exercise.expectedAnswer = state.firstDraw * state.secondDraw;
        break;
    case ExerciseType::Division:
        operation = texts::dividedBy;
        std::swap(left, right);
        exercise.expectedAnswer = state.quotient;
        break;
    case ExerciseType::Squaring:
        exercise.expectedAnswer = state.firstDraw * state.firstDraw;
        line.append(first).append(texts::squared);
        return exercise;
    case ExerciseType::SquareRoot:
        break;
    }
    line.append(left).append(operation).append(right).append(texts::equals);
    return exercise;
}

bool runSeries(DrillState& state, DrillConsole& console)
{
    for (;;) {
        drawExercise(state, console);
        const Exercise exercise = composeExercise(state);
        state.expectedAnswer = exercise.expectedAnswer;
        ReadResult read;
        for (;;) {
            writeText(console, exercise.line);
            read = readWholeNumber(console, state.lastInput);
            if (read != ReadResult::NotANumber)
                break;
            writeLine(console, texts::notAWholeNumber);
        }
        // 12345 is checked first, so it ends the series even as the right result.
        if (read == ReadResult::EndOfInput || state.lastInput == SeriesEndAnswer) {
            writeEndOfLine(console);
            return read != ReadResult::EndOfInput;
        }
        judgeAnswer(state, console);
    }
}
