// The entry of drillreport.exe: the arguments as the system holds them, in UTF-16, handed to
// the report's run in UTF-8, so that any path Windows can name reaches it, its wildcards
// expanded here, as a Windows command-line program must. Started from the desktop, or by a
// drop onto it, it shows the page instead.
#include "drillreport/desktop_mode_win32.h"
#include "drillreport/report_run.h"
#include "logtext/utf16_win32.h"

#include <string>
#include <vector>

int wmain(int argc, wchar_t** argv)
{
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back(utf8FromUtf16(argv[i]));
    if (startedAlone())
        return showPage(arguments);
    return runDrillReport(arguments, WildcardExpansion::ByTheProgram);
}
