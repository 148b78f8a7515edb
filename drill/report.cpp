// The series report and grading.
#include "drill/report.h"

#include "drill/console_io.h"
#include "drill/drill_log.h"
#include "drill/drill_texts.h"
#include "logtext/drill_rules.h"

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
    writeLine(console, texts::countErrors);

    state.errorPercentage = errorPercentage(state.errorCount, answered);
    writeText(console, texts::percentOpening);
    writeNumber(console, state.errorPercentage);
    writeLine(console, texts::percentClosing);
    writeEndOfLine(console);

    state.grade = gradeForPercentage(state.errorPercentage);
    writeText(console, texts::reportName);
    writeText(console, state.name);
    writeLine(console, texts::gradeLines[state.grade - 1]);

    state.seriesEndTime = formatTimeText(console.now());
    appendSeriesRecord(state.name, static_cast<std::int32_t>(state.exerciseType), state.numberLimit,
                       state.grade, answered, state.errorCount, state.seriesEndTime);
    console.pause(console.out);
    writeEndOfLine(console);
    writeEndOfLine(console);
    state.exerciseNumber = 0;
    state.errorCount = 0;
}
