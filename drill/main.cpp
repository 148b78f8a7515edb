// The entry of drill: one state, the standard clock and generator, the platform's console.
#include "drill/console_platform.h"
#include "drill/drill_console.h"
#include "drill/drill_run.h"
#include "drill/drill_state.h"

#include <cstdlib>
#include <ctime>

int main()
{
    DrillState state;
    DrillConsole console{
        openConsoleInput(),
        openConsoleOutput(),
        pauseForKey,
        [] { return std::time(nullptr); },
        [](unsigned seed) { std::srand(seed); },
        [] { return std::rand(); },
    };
    runDrill(state, console);
    return 0;
}
