#include "image_assets.h"

#include <cstdio>
#include <functional>

#include "fish_skins.h"
#include "gauge_images.h"
#include "png_writer.h"
#include "sun_image.h"
#include "surface_textures.h"

namespace {

constexpr int surfaceSize = 512;
constexpr int sunSize = 256;

bool writeOne(const std::string& dir, const std::string& fileName, const std::function<Raster()>& make)
{
    const std::string path = dir + "/" + fileName;
    std::string error;
    if (writePng(path, make(), &error))
        return true;
    std::fprintf(stderr, "marivane_assetgen: cannot write %s: %s\n", path.c_str(), error.c_str());
    return false;
}

}  // namespace

bool writeImageAssets(const std::string& dir)
{
    bool ok = writeOne(dir, "rock.png", [] { return makeRockTexture(surfaceSize); }) &&
              writeOne(dir, "water.png", [] { return makeWaterTexture(surfaceSize); });
    for (const MackerelSkin& skin : mackerelSkins)
        ok = ok && writeOne(dir, skin.fileName, [&skin] { return makeMackerelSkin(skin); });
    return ok && writeOne(dir, "underwater_sun.png", [] { return makeSunImage(sunSize); }) &&
           writeOne(dir, "depth_scale.png", makeDepthScale) && writeOne(dir, "depth_arrow.png", makeDepthArrow);
}
