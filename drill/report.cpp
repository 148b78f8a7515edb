// The series report and grading.
#include "report.h"

#include "console_io.h"
#include "drill_log.h"
#include "drill_texts.h"

std::int32_t gradeForPercentage(std::int32_t errorPercentage)
{
    if (errorPercentage <= 4)
        return 1;
    if (errorPercentage <= 19)
        return 2;
    if (errorPercentage <= 33)
        return 3;
    if (errorPercentage <= 50)
        return 4;
    if (errorPercentage <= 70)
        return 5;
    return 6;
}

void runReport(DrillState& state, DrillConsole& console)
{
    // The exercise at which the series was ended does not count.
    --state.exerciseNumber;
    const std::int32_t answered = state.exerciseNumber;
    if (answered <= 0) {
        state.exerciseNumber = 0;
        state.errorCount = 0;
        return;
    }
    writeText(console, texts::countOpening);
    writeNumber(console, answered);
    writeText(console, texts::countExercises);
    writeNumber(console, state.errorCount);
    writeText(console, texts::countErrors);
    writeEndOfLine(console);

    // 64 bits, so that even a very long series cannot overflow the product.
    state.errorPercentage =
        static_cast<std::int32_t>(std::int64_t{state.errorCount} * 100 / answered);
    writeText(console, texts::percentOpening);
    writeNumber(console, state.errorPercentage);
    writeText(console, texts::percentClosing);
    writeEndOfLine(console);
    writeEndOfLine(console);

    state.grade = gradeForPercentage(state.errorPercentage);
    writeText(console, texts::reportName);
    writeText(console, state.name);
    writeText(console, texts::gradeLines[state.grade - 1]);
    writeEndOfLine(console);

    state.seriesEndTime = formatTimeText(console.now());
    appendSeriesRecord(state.name, state.exerciseType, state.numberLimit, state.grade, answered,
                       state.errorCount, state.seriesEndTime);
    console.pause(console.out);
    writeEndOfLine(console);
    writeEndOfLine(console);
    state.exerciseNumber = 0;
    state.errorCount = 0;
}
