// Writes the viewer's window icon, drawn by the viewer's own icon code, as an .ico file of
// 32-bit images at the sizes of viewerIconSizes. Usage: drillview_icon OUTPUT.ico
#include "drillview/icon_image.h"
#include "tools/ico_file.h"

#include <iterator>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    std::vector<IcoImage> images;
    images.reserve(std::size(viewerIconSizes));
    for (const int size : viewerIconSizes)
        images.push_back({size, renderIconImage(size)});
    return writeIcoFile(argv[1], images) ? 0 : 1;
}
