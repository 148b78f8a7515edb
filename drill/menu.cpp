// The exercise menu.
#include "menu.h"

#include "console_io.h"
#include "drill_rules.h"
#include "drill_texts.h"

namespace {

enum class Choice { Valid, Rejected, EndOfInput };

Choice readChoice(DrillState& state, DrillConsole& console, std::int32_t highest)
{
    switch (readWholeNumber(console, state.lastInput)) {
    case ReadResult::EndOfInput:
        return Choice::EndOfInput;
    case ReadResult::NotANumber:
        return Choice::Rejected;
    case ReadResult::Number:
        break;
    }
    return state.lastInput >= 1 && state.lastInput <= highest ? Choice::Valid : Choice::Rejected;
}

void writeLines(DrillConsole& console, const auto& lines)
{
    for (std::string_view line : lines) {
        writeText(console, line);
        writeEndOfLine(console);
    }
    writeEndOfLine(console);
}

void rejectChoice(DrillConsole& console)
{
    writeText(console, texts::invalidChoice);
    writeEndOfLine(console);
    writeEndOfLine(console);
    console.pause(console.out);
    writeEndOfLine(console);
}

// One pass through both questions; Rejected sends the learner back to the first.
Choice askOnce(DrillState& state, DrillConsole& console)
{
    writeText(console, texts::kindQuestion);
    writeEndOfLine(console);
    writeEndOfLine(console);
    writeLines(console, texts::kindOptions);
    writeText(console, texts::kindPrompt);
    const Choice kind = readChoice(state, console, 6);
    if (kind == Choice::EndOfInput)
        return kind;
    writeText(console, texts::kindRule);
    writeEndOfLine(console);
    writeEndOfLine(console);
    if (kind == Choice::Rejected)
        return kind;
    state.exerciseType = state.lastInput;

    writeText(console, texts::levelQuestion);
    writeEndOfLine(console);
    writeEndOfLine(console);
    writeLines(console, texts::levelOptions);
    writeText(console, texts::levelPrompt);
    const Choice level = readChoice(state, console, 5);
    if (level == Choice::EndOfInput)
        return level;
    writeText(console, texts::levelRule);
    writeEndOfLine(console);
    writeEndOfLine(console);
    // The hints come before the level is judged, so they show even when it is rejected.
    writeText(console, texts::endHint);
    writeEndOfLine(console);
    writeText(console, texts::greeting);
    writeEndOfLine(console);
    writeEndOfLine(console);
    if (level == Choice::Valid)
        state.numberLimit = numberLimitForLevel(state.lastInput);
    return level;
}

} // namespace

bool runMenu(DrillState& state, DrillConsole& console)
{
    for (;;) {
        switch (askOnce(state, console)) {
        case Choice::Valid:
            return true;
        case Choice::EndOfInput:
            writeEndOfLine(console); // leave the prompt's line finished
            return false;
        case Choice::Rejected:
            rejectChoice(console);
            break;
        }
    }
}
