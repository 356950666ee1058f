// The eleven textures of the scene, loaded once at start-up from PNG files in
// the working directory, or else in the installed data folder (asset_path.h). A file that fails to load leaves a texture name
// without an image, drawn untextured, and one line on standard error.
#pragma once

#include <string>

struct TextureSet {
    unsigned rockTexture = 0;
    unsigned waterTexture = 0;
    unsigned mackerelRedTexture = 0;
    unsigned mackerelOrangeTexture = 0;
    unsigned mackerelYellowTexture = 0;
    unsigned mackerelGreenTexture = 0;
    unsigned mackerelTexture = 0;
    unsigned mackerelPurpleTexture = 0;
    unsigned sunTexture = 0;
    unsigned depthScaleTexture = 0;
    unsigned depthArrowTexture = 0;
};

extern TextureSet textures;

struct TextureFile {
    const char* fileName;
    unsigned TextureSet::*name;
    bool mipmapped;  // full mipmap chain for the scene's surfaces, level 0 for the rest
};
constexpr int textureCount = 11;
// In loading order. The asset generator writes the pictures under these
// names, so the names are written here alone.
inline constexpr TextureFile textureFiles[textureCount] = {
    {"rock.png", &TextureSet::rockTexture, true},
    {"water.png", &TextureSet::waterTexture, true},
    {"mackerel_texture_red.png", &TextureSet::mackerelRedTexture, true},
    {"mackerel_texture_orange.png", &TextureSet::mackerelOrangeTexture, true},
    {"mackerel_texture_yellow.png", &TextureSet::mackerelYellowTexture, true},
    {"mackerel_texture_green.png", &TextureSet::mackerelGreenTexture, true},
    {"mackerel_texture.png", &TextureSet::mackerelTexture, true},
    {"mackerel_texture_purple.png", &TextureSet::mackerelPurpleTexture, true},
    {"underwater_sun.png", &TextureSet::sunTexture, false},
    {"depth_scale.png", &TextureSet::depthScaleTexture, false},
    {"depth_arrow.png", &TextureSet::depthArrowTexture, false},
};

void loadTextures();
void releaseTextures();
