#include "image_assets.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>

#include "assets/png_writer.h"
#include "assets/texture_set.h"
#include "fish_skins.h"
#include "gauge_images.h"
#include "sun_image.h"
#include "surface_textures.h"

namespace {

constexpr int surfaceSize = 512;
constexpr int sunSize = 256;

// Level 9 and every row "up"-filtered: on these noisy surfaces the up filter
// compresses as well as the adaptive choice and decodes about half again as
// fast (Paeth rows are the slow part of reading them), which the program pays
// at every start.
constexpr PngEncoding assetEncoding{PngRowFilter::up, 9};

}  // namespace

bool writeRaster(const std::string& path, const Raster& raster)
{
    // A negative size would wrap to a huge one.
    const RgbPixels pixels{static_cast<std::uint32_t>(std::max(raster.width, 0)),
                           static_cast<std::uint32_t>(std::max(raster.height, 0)), raster.channels,
                           raster.samples.data(), PngRowOrder::topDown};
    std::string error;
    if (writeRgbPng(path, pixels, assetEncoding, &error))
        return true;
    std::fprintf(stderr, "marivane_assetgen: cannot write %s: %s\n", path.c_str(), error.c_str());
    return false;
}

namespace {

bool writeOne(const std::string& dir, const std::string& fileName, const std::function<Raster()>& make)
{
    return writeRaster(dir + "/" + fileName, make());
}

// The picture drawn for each of the program's textures; empty for a texture
// the generator has no picture for.
std::function<Raster()> pictureFor(unsigned TextureSet::*texture)
{
    if (texture == &TextureSet::rockTexture)
        return [] { return makeRockTexture(surfaceSize); };
    if (texture == &TextureSet::waterTexture)
        return [] { return makeWaterTexture(surfaceSize); };
    if (texture == &TextureSet::sunTexture)
        return [] { return makeSunImage(sunSize); };
    if (texture == &TextureSet::depthScaleTexture)
        return makeDepthScale;
    if (texture == &TextureSet::depthArrowTexture)
        return makeDepthArrow;
    for (const MackerelSkin& skin : mackerelSkins) {
        if (texture == skin.texture)
            return [&skin] { return makeMackerelSkin(skin); };
    }
    return {};
}

}  // namespace

bool writeImageAssets(const std::string& dir)
{
    // The program's own table names the files, in its loading order.
    for (const TextureFile& file : textureFiles) {
        const std::function<Raster()> make = pictureFor(file.name);
        if (!make) {
            std::fprintf(stderr, "marivane_assetgen: no picture for %s\n", file.fileName);
            return false;
        }
        if (!writeOne(dir, file.fileName, make))
            return false;
    }
    return true;
}
