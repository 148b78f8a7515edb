// The drill's start-up and main cycle.
#include "drill/drill_run.h"

#include "drill/console_io.h"
#include "drill/drill_log.h"
#include "drill/drill_texts.h"
#include "drill/menu.h"
#include "drill/name_entry.h"
#include "drill/report.h"
#include "drill/series.h"

void runDrill(DrillState& state, DrillConsole& console)
{
    writeLine(console, texts::banner);
    writeLine(console, texts::bannerRule);
    state.startTime = formatTimeText(console.now());
    appendStartRecord(state.startTime);

    writeText(console, texts::namePrompt);
    readName(console, state.name);
    state.nameEntryTime = formatTimeText(console.now());
    appendNameEntryRecord(state.nameEntryTime);

    // The cycle has no quit command; only the end of input leaves it.
    while (runMenu(state, console)) {
        const bool inputOpen = runSeries(state, console);
        runReport(state, console);
        if (!inputOpen)
            return;
    }
}
