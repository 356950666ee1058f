#include "window_icon_source.h"

#include <cstdio>

#include "app_icon.h"
#include "platform/window_icon.h"

bool writeWindowIconSource(const std::string& path)
{
    const Raster icon = makeAppIcon(windowIconSize);
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) {
        std::fprintf(stderr, "marivane_assetgen: cannot write %s\n", path.c_str());
        return false;
    }
    std::fprintf(file, "// Written by marivane_assetgen --window-icon: the program's icon, RGBA.\n"
                       "#include \"platform/window_icon.h\"\n\n"
                       "const unsigned char windowIconRgba[windowIconSize * windowIconSize * 4] = {\n");
    for (std::size_t i = 0; i < icon.samples.size(); ++i)
        std::fprintf(file, "%u,%s", static_cast<unsigned>(icon.samples[i]), i % 16 == 15 ? "\n" : "");
    std::fprintf(file, "};\n");
    const bool written = icon.channels == 4 && std::ferror(file) == 0;
    return std::fclose(file) == 0 && written;
}
