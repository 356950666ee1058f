#include "assets/texture_set.h"

#include <string>

#include <GL/gl.h>
#include <GL/glu.h>

#include "assets/asset_path.h"
#include "assets/asset_problems.h"
#include "assets/png_reader.h"
#include "language/translation.h"

TextureSet textures;

namespace {

GLenum pixelFormat(unsigned channels)
{
    switch (channels) {
    case 1: return GL_LUMINANCE;
    case 2: return GL_LUMINANCE_ALPHA;
    case 3: return GL_RGB;
    case 4: return GL_RGBA;
    default: return 0;
    }
}

}  // namespace

void loadTextures()
{
    for (const TextureFile& entry : textureFiles) {
        const AssetLocation location = locateAsset(entry.fileName);
        std::string failure;
        Image image = loadPng(location.path, &failure);
        // A broken copy in the working directory does not hide a good
        // installed one.
        std::string installedFailure;
        if (image.empty() && !location.fallback.empty())
            image = loadPng(location.fallback, &installedFailure);
        unsigned& name = textures.*entry.name;
        glGenTextures(1, &name);
        glBindTexture(GL_TEXTURE_2D, name);
        GLenum format = pixelFormat(image.channels);
        if (format != 0 && image.pixels != nullptr) {
            GLsizei width = static_cast<GLsizei>(image.width);
            GLsizei height = static_cast<GLsizei>(image.height);
            if (entry.mipmapped)
                gluBuild2DMipmaps(GL_TEXTURE_2D, static_cast<GLint>(format), width, height, format,
                                  GL_UNSIGNED_BYTE, image.pixels);
            else
                glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), width, height, 0, format,
                             GL_UNSIGNED_BYTE, image.pixels);
        }
        const std::string reason = failure.empty() ? std::string(tr("not a picture OpenGL can take")) : failure;
        if (!location.fallback.empty() && !failure.empty())
            reportAssetProblem(unusableAssetText(AssetKind::texture, entry.fileName, location, reason) +
                               fallbackText(AssetKind::texture, location, installedFailure));
        else if (format == 0 || image.pixels == nullptr)
            reportAssetProblem(unusableAssetText(AssetKind::texture, entry.fileName, location, reason) +
                               withoutAssetText(AssetKind::texture));
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, entry.mipmapped ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    }
}

void releaseTextures()
{
    // Surfaces first, then the sun, the skins and the gauge.
    const unsigned* order[] = {
        &textures.rockTexture, &textures.waterTexture, &textures.sunTexture,
        &textures.mackerelRedTexture, &textures.mackerelOrangeTexture, &textures.mackerelYellowTexture,
        &textures.mackerelGreenTexture, &textures.mackerelTexture, &textures.mackerelPurpleTexture,
        &textures.depthScaleTexture, &textures.depthArrowTexture,
    };
    for (const unsigned* name : order)
        glDeleteTextures(1, name);
}
