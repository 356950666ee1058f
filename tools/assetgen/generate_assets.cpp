// Writes the program's asset files into the folder named by the only
// argument.
#include <cstdio>

#include "mackerel_model.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: marivane_assetgen OUTPUT_FOLDER\n");
        return 2;
    }
    if (!writeMackerelModel(argv[1])) {
        std::fprintf(stderr, "marivane_assetgen: failed to write the mackerel model into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
