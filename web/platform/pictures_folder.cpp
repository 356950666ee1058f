// In the page a saved screenshot is handed to the browser as a download (see
// web/page/shell.html), from this folder of the page's own memory.
#include "platform/pictures_folder.h"

#include <sys/stat.h>

std::string picturesFolder()
{
    const std::string folder = "/Downloads";
    mkdir(folder.c_str(), 0755);
    return folder;
}
