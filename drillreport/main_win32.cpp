// The entry of drillreport.exe: the arguments as the system holds them, in UTF-16, handed to
// the report's run in UTF-8, so that any path Windows can name reaches it. Started from the
// desktop without arguments, it shows the page of the log here instead.
#include "drillreport/desktop_mode_win32.h"
#include "drillreport/report_run.h"
#include "logtext/utf16_win32.h"

#include <string>
#include <vector>

int wmain(int argc, wchar_t** argv)
{
    if (argc <= 1 && startedAlone())
        return showPageHere();
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back(utf8FromUtf16(argv[i]));
    return runDrillReport(arguments);
}
