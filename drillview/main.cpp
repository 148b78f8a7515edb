// The entry of drillview: the whole program is the viewer's run, and it always ends with 0.
#include "drillview/viewer.h"

int main()
{
    runViewer();
    return 0;
}
