// The exercise menu.
#include "drill/menu.h"

#include "drill/console_io.h"
#include "drill/drill_texts.h"
#include "drill/level_options.h"
#include "logtext/drill_rules.h"

#include <span>

namespace {

enum class Choice { Valid, Rejected, EndOfInput };

// One question of the menu: its options, its prompt, and the rule under the answer.
struct Question {
    std::string_view question;
    std::span<const std::string_view> options;
    std::string_view prompt;
    std::string_view rule;
};

const Question kindQuestion{texts::kindQuestion, texts::kindOptions, texts::kindPrompt,
                            texts::kindRule};
const Question levelQuestion{texts::levelQuestion, texts::levelOptions, texts::levelPrompt,
                             texts::levelRule};

// Asks one question and reads the answer into the last input; valid are 1 to the number of
// options. At the end of input nothing more is written.
Choice ask(const Question& question, DrillState& state, DrillConsole& console)
{
    writeLine(console, question.question);
    writeEndOfLine(console);
    for (std::string_view option : question.options)
        writeLine(console, option);
    writeEndOfLine(console);
    writeText(console, question.prompt);
    const ReadResult read = readWholeNumber(console, state.lastInput);
    if (read == ReadResult::EndOfInput)
        return Choice::EndOfInput;
    writeLine(console, question.rule);
    writeEndOfLine(console);
    const auto highest = static_cast<std::int32_t>(question.options.size());
    const bool valid =
        read == ReadResult::Number && state.lastInput >= 1 && state.lastInput <= highest;
    return valid ? Choice::Valid : Choice::Rejected;
}

void rejectChoice(DrillConsole& console)
{
    writeLine(console, texts::invalidChoice);
    writeEndOfLine(console);
    console.pause(console.out);
    writeEndOfLine(console);
}

// One pass through both questions; Rejected sends the learner back to the first.
Choice askOnce(DrillState& state, DrillConsole& console)
{
    const Choice kind = ask(kindQuestion, state, console);
    if (kind != Choice::Valid)
        return kind;
    state.exerciseType = static_cast<ExerciseType>(state.lastInput);

    const Choice level = ask(levelQuestion, state, console);
    if (level == Choice::EndOfInput)
        return level;
    // The hints come before the level is judged, so they show even when it is rejected.
    writeLine(console, texts::endHint);
    writeLine(console, texts::greeting);
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
