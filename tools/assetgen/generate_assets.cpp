// Writes the program's asset files (eleven images and the fish mesh) into the
// folder named by the only argument.
#include <cstdio>
#include <string>

#include "image_assets.h"
#include "mackerel_model.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: marivane_assetgen OUTPUT_FOLDER\n");
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
