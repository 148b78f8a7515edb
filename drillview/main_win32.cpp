// The entry of drillview.exe: the viewer's run, then the end of the process with exit code 0.
#include "drillview/viewer.h"

#include <windows.h>

int main()
{
    runViewer();
    ExitProcess(0);
}
