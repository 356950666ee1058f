// Writes the program's asset files into the folder given as the one argument.
#include <cstdio>
#include <string>

#include "image_assets.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: marivane_assetgen OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string dir = argv[1];
    // The fish mesh (writeMackerelModel) joins the pictures here.
    if (!writeImageAssets(dir))
        return 1;
    return 0;
}
