// Writes the program's asset files (eleven images and the fish mesh) into the
// folder named by the only argument; with --icons, the desktop icon at each
// installed size (marivane_<size>.png) instead; with --window-icon, the
// window's icon as a C++ source file the program builds in.
#include <cstdio>
#include <cstring>
#include <string>

#include "app_icon.h"
#include "image_assets.h"
#include "mackerel_model.h"
#include "window_icon_source.h"

namespace {

bool writeIcons(const std::string& dir)
{
    for (int size : appIconSizes) {
        if (!writeRaster(dir + "/marivane_" + std::to_string(size) + ".png", makeAppIcon(size)))
            return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--icons") == 0)
        return writeIcons(argv[2]) ? 0 : 1;
    if (argc == 3 && std::strcmp(argv[1], "--window-icon") == 0)
        return writeWindowIconSource(argv[2]) ? 0 : 1;
    if (argc != 2) {
        std::fprintf(stderr, "usage: marivane_assetgen OUTPUT_FOLDER\n       marivane_assetgen --icons OUTPUT_FOLDER\n"
                             "       marivane_assetgen --window-icon OUTPUT_FILE.cpp\n");
        return 2;
    }
    const std::string dir = argv[1];
    if (!writeImageAssets(dir))
        return 1;
    if (!writeMackerelModel(dir)) {
        std::fprintf(stderr, "marivane_assetgen: failed to write the mackerel model into %s\n", dir.c_str());
        return 1;
    }
    return 0;
}
