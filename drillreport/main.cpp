// The entry of drillreport: the whole program is the report's run.
#include "drillreport/report_run.h"

#include <string>
#include <vector>

int main(int argc, char** argv)
{
    return runDrillReport(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc),
                          WildcardExpansion::ByTheShell);
}
