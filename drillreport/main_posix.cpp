// The entry of drillreport on POSIX: the whole program is the report's run.
#include "drillreport/report_run.h"

#include <csignal>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    // A write beyond the file size limit fails (EFBIG) as on a full disk, and is reported as
    // one, instead of ending the run with the page's temporary file left behind.
    std::signal(SIGXFSZ, SIG_IGN);
    return runDrillReport(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc),
                          WildcardExpansion::ByTheShell);
}
