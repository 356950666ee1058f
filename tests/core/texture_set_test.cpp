#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <png.h>

#include "assets/png_reader.h"
#include "assets/texture_set.h"
#include "gl_window.h"
#include "orlin_recording.h"
#include "png_test_files.h"
#include "program_runner.h"
#include "render/depth_lighting.h"
#include "render/environment_box.h"
#include "render/gl_context_renewal.h"
#include "render/window_views.h"
#include "state/program_state.h"

namespace {

namespace fs = std::filesystem;

int levelValue(unsigned name, int level, GLenum pname)
{
    glBindTexture(GL_TEXTURE_2D, name);
    GLint value = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, pname, &value);
    return value;
}

int textureValue(unsigned name, GLenum pname)
{
    glBindTexture(GL_TEXTURE_2D, name);
    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, pname, &value);
    return value;
}

// What loading the generated assets must give, texture by texture in loading
// order: the scene's eight surfaces get every mipmap level and trilinear
// filtering, the sun and the gauge level 0 only; the generator draws the
// surfaces in RGB and the sun and gauge with alpha.
struct ExpectedTexture {
    const char* fileName;
    unsigned TextureSet::*texture;
    bool fullMipmapChain;
    GLenum minFilter;
    GLenum format;
};

const ExpectedTexture expectedTextures[] = {
    {"rock.png", &TextureSet::rockTexture, true, GL_LINEAR_MIPMAP_LINEAR, GL_RGB},
    {"water.png", &TextureSet::waterTexture, true, GL_LINEAR_MIPMAP_LINEAR, GL_RGB},
    {"mackerel_texture_red.png", &TextureSet::mackerelRedTexture, true, GL_LINEAR_MIPMAP_LINEAR, GL_RGB},
    {"mackerel_texture_orange.png", &TextureSet::mackerelOrangeTexture, true, GL_LINEAR_MIPMAP_LINEAR, GL_RGB},
    {"mackerel_texture_yellow.png", &TextureSet::mackerelYellowTexture, true, GL_LINEAR_MIPMAP_LINEAR, GL_RGB},
    {"mackerel_texture_green.png", &TextureSet::mackerelGreenTexture, true, GL_LINEAR_MIPMAP_LINEAR, GL_RGB},
    {"mackerel_texture.png", &TextureSet::mackerelTexture, true, GL_LINEAR_MIPMAP_LINEAR, GL_RGB},
    {"mackerel_texture_purple.png", &TextureSet::mackerelPurpleTexture, true, GL_LINEAR_MIPMAP_LINEAR, GL_RGB},
    {"underwater_sun.png", &TextureSet::sunTexture, false, GL_LINEAR, GL_RGBA},
    {"depth_scale.png", &TextureSet::depthScaleTexture, false, GL_LINEAR, GL_RGBA},
    {"depth_arrow.png", &TextureSet::depthArrowTexture, false, GL_LINEAR, GL_RGBA},
};

// Loads from a temporary working folder that each test fills as it needs.
class TextureSetTest : public GlWindowTest {
protected:
    void SetUp() override
    {
        GlWindowTest::SetUp();
        if (HasFatalFailure())
            return;
        initGLState();
        dir = makeTempDir();
        ASSERT_FALSE(dir.empty());
        previous = fs::current_path();
        fs::current_path(dir);
    }
    void TearDown() override
    {
        if (!previous.empty())
            fs::current_path(previous);
        removeTree(dir);
        textures = TextureSet{};
        GlWindowTest::TearDown();
    }

    std::string dir;
    fs::path previous;
};

TEST_F(TextureSetTest, GeneratedAssetsLoadAsElevenDistinctNamesInTableOrder)
{
    copyAssets(dir);
    loadTextures();

    std::set<unsigned> seen;
    unsigned before = 0;
    for (const ExpectedTexture& entry : expectedTextures) {
        SCOPED_TRACE(entry.fileName);
        const unsigned name = textures.*entry.texture;
        EXPECT_NE(name, 0u);
        EXPECT_TRUE(seen.insert(name).second) << "name shared with another texture";
        // A fresh context hands out names in rising order: generated in table order.
        EXPECT_GT(name, before);
        before = name;

        Image image = loadPng(entry.fileName);
        ASSERT_NE(image.pixels, nullptr);
        // The same bytes as libpng's simplified reader, a separate decoding
        // path, gives at the file's own format with rows flipped: the
        // expanding transforms leave the shipped 8-bit pictures untouched.
        {
            png_image simple{};
            simple.version = PNG_IMAGE_VERSION;
            ASSERT_NE(png_image_begin_read_from_file(&simple, entry.fileName), 0) << simple.message;
            simple.format = image.channels == 4 ? PNG_FORMAT_RGBA : image.channels == 3 ? PNG_FORMAT_RGB
                          : image.channels == 2 ? PNG_FORMAT_GA : PNG_FORMAT_GRAY;
            std::vector<unsigned char> decoded(PNG_IMAGE_SIZE(simple));
            const int rowStride = -static_cast<int>(PNG_IMAGE_ROW_STRIDE(simple));  // bottom row first
            ASSERT_NE(png_image_finish_read(&simple, nullptr, decoded.data(), rowStride, nullptr), 0) << simple.message;
            EXPECT_TRUE(decoded == std::vector<unsigned char>(image.pixels, image.pixels + decoded.size()))
                << "decoded bytes differ";
        }
        EXPECT_EQ(levelValue(name, 0, GL_TEXTURE_INTERNAL_FORMAT), static_cast<int>(entry.format));
        EXPECT_EQ(levelValue(name, 0, GL_TEXTURE_WIDTH), static_cast<int>(image.width));
        EXPECT_EQ(levelValue(name, 0, GL_TEXTURE_HEIGHT), static_cast<int>(image.height));
        EXPECT_EQ(textureValue(name, GL_TEXTURE_MAG_FILTER), GL_LINEAR);
        EXPECT_EQ(textureValue(name, GL_TEXTURE_WRAP_S), GL_REPEAT);
        EXPECT_EQ(textureValue(name, GL_TEXTURE_WRAP_T), GL_REPEAT);
        EXPECT_EQ(textureValue(name, GL_TEXTURE_MIN_FILTER), static_cast<int>(entry.minFilter));
        if (entry.fullMipmapChain) {
            // Every level down to 1 x 1, each half the one before.
            int level = 0;
            int width = static_cast<int>(image.width);
            int height = static_cast<int>(image.height);
            while (width > 1 || height > 1) {
                ++level;
                width = std::max(1, width / 2);
                height = std::max(1, height / 2);
                EXPECT_EQ(levelValue(name, level, GL_TEXTURE_WIDTH), width) << "level " << level;
                EXPECT_EQ(levelValue(name, level, GL_TEXTURE_HEIGHT), height) << "level " << level;
            }
        } else {
            EXPECT_EQ(levelValue(name, 1, GL_TEXTURE_WIDTH), 0) << "level 1 present";
        }
    }
    EXPECT_EQ(seen.size(), 11u);
}

// Writes one test picture under a texture's file name and returns what the
// reader makes of it, for comparing with what OpenGL holds.
Image writeAsset(const std::string& fileName, PngSamplePicture png)
{
    std::string error;
    EXPECT_TRUE(writePngSamples(fileName, png, &error)) << error;
    return loadPng(fileName);
}

PngSamplePicture pattern(std::uint32_t width, std::uint32_t height, int colourType, int bitDepth)
{
    PngSamplePicture png;
    png.layout.width = width;
    png.layout.height = height;
    png.layout.colourType = colourType;
    png.layout.bitDepth = bitDepth;
    const std::uint32_t limit = bitDepth == 16 ? 65536u : 1u << bitDepth;
    fillSamples(png, [limit](std::uint32_t x, std::uint32_t y, int c) {
        return static_cast<std::uint16_t>((x * 37u + y * 101u + static_cast<std::uint32_t>(c) * 59u + 3u) * 257u % limit);
    });
    if (colourType == PNG_COLOR_TYPE_PALETTE)
        for (std::uint32_t i = 0; i < limit; ++i)
            png.layout.palette.push_back({static_cast<unsigned char>(i), 0, 0});
    return png;
}

std::vector<unsigned char> textureBytes(unsigned name, GLenum format, std::size_t size)
{
    std::vector<unsigned char> bytes(size + 16, 0xAB);
    glBindTexture(GL_TEXTURE_2D, name);
    glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, bytes.data());
    bytes.resize(size);
    return bytes;
}

TEST_F(TextureSetTest, FormatFollowsChannelsAndPixelsArriveUnchanged)
{
    struct Case {
        const char* fileName;
        unsigned TextureSet::*name;
        PngSamplePicture png;
        GLenum format;
    };
    const Case cases[] = {
        {"rock.png", &TextureSet::rockTexture, pattern(8, 8, PNG_COLOR_TYPE_GRAY, 8), GL_LUMINANCE},
        {"water.png", &TextureSet::waterTexture, pattern(4, 4, PNG_COLOR_TYPE_GRAY_ALPHA, 8), GL_LUMINANCE_ALPHA},
        {"mackerel_texture_red.png", &TextureSet::mackerelRedTexture, pattern(4, 2, PNG_COLOR_TYPE_PALETTE, 4),
         GL_RGB},
        {"mackerel_texture.png", &TextureSet::mackerelTexture, pattern(16, 4, PNG_COLOR_TYPE_RGB, 16), GL_RGB},
        // Rows of 9 bytes: only an unpack alignment of 1 keeps them apart.
        {"underwater_sun.png", &TextureSet::sunTexture, pattern(3, 5, PNG_COLOR_TYPE_RGB, 8), GL_RGB},
        {"depth_scale.png", &TextureSet::depthScaleTexture, pattern(5, 3, PNG_COLOR_TYPE_RGB_ALPHA, 16), GL_RGBA},
        {"depth_arrow.png", &TextureSet::depthArrowTexture, pattern(7, 2, PNG_COLOR_TYPE_GRAY, 1), GL_LUMINANCE},
    };
    std::vector<Image> images;
    for (const Case& c : cases)
        images.push_back(writeAsset(c.fileName, c.png));

    testing::internal::CaptureStderr();
    loadTextures();
    testing::internal::GetCapturedStderr();

    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        const Image& image = images[i];
        SCOPED_TRACE(c.fileName);
        ASSERT_NE(image.pixels, nullptr);
        const unsigned name = textures.*c.name;
        EXPECT_EQ(levelValue(name, 0, GL_TEXTURE_INTERNAL_FORMAT), static_cast<int>(c.format));
        EXPECT_EQ(levelValue(name, 0, GL_TEXTURE_WIDTH), static_cast<int>(c.png.layout.width));
        EXPECT_EQ(levelValue(name, 0, GL_TEXTURE_HEIGHT), static_cast<int>(c.png.layout.height));
        // The reader's buffer, bottom row first, is what the texture holds.
        const std::size_t size = static_cast<std::size_t>(image.stride()) * image.height;
        EXPECT_EQ(textureBytes(name, c.format, size), std::vector<unsigned char>(image.pixels, image.pixels + size));
    }
}

TEST_F(TextureSetTest, BrokenFilesGiveNamesWithoutImagesAndOneLineEach)
{
    copyAssets(dir);
    fs::remove("underwater_sun.png");
    writeBytes("depth_arrow.png", "not a picture at all\n");
    std::string water = readBytes("water.png");
    writeBytes("water.png", water.substr(0, water.size() / 2));
    // A header claiming 20000 x 20000 pixels, its checksum right.
    std::string rock = readBytes("rock.png");
    for (int side : {16, 20})
        rock.replace(static_cast<std::size_t>(side), 4, std::string("\0\0\x4e\x20", 4));
    refreshCrc(rock, 8);
    writeBytes("rock.png", rock);

    testing::internal::CaptureStderr();
    loadTextures();
    const std::vector<std::string> lines = linesOf(testing::internal::GetCapturedStderr());

    struct Broken {
        const char* fileName;
        unsigned TextureSet::*name;
        const char* reason;
    };
    const Broken broken[] = {
        {"rock.png", &TextureSet::rockTexture,
         "(20000x20000 is larger than the largest picture this program loads, 16384x16384)"},
        {"water.png", &TextureSet::waterTexture, "(cut short: the file ends before the picture does)"},
        {"underwater_sun.png", &TextureSet::sunTexture, "missing"},
        {"depth_arrow.png", &TextureSet::depthArrowTexture, "not a PNG"},
    };
    for (const Broken& b : broken) {
        SCOPED_TRACE(b.fileName);
        const unsigned name = textures.*b.name;
        EXPECT_NE(name, 0u);
        EXPECT_EQ(glIsTexture(name), GL_TRUE);
        EXPECT_EQ(levelValue(name, 0, GL_TEXTURE_WIDTH), 0) << "has an image";
        EXPECT_EQ(textureValue(name, GL_TEXTURE_MAG_FILTER), GL_LINEAR);
        int naming = 0;
        for (const std::string& line : lines) {
            if (line.find(std::string("\"") + b.fileName + "\"") == std::string::npos)
                continue;
            ++naming;
            EXPECT_NE(line.find(b.reason), std::string::npos) << line;
        }
        EXPECT_EQ(naming, 1) << "lines naming the file";
    }
    // One line a broken file and nothing else: libpng says nothing of its own.
    EXPECT_EQ(lines.size(), std::size(broken)) << testing::PrintToString(lines);
    // Everything else loaded as usual.
    for (const ExpectedTexture& entry : expectedTextures) {
        const unsigned name = textures.*entry.texture;
        EXPECT_NE(name, 0u) << entry.fileName;
        const bool isBroken = name == textures.rockTexture || name == textures.waterTexture ||
                              name == textures.sunTexture || name == textures.depthArrowTexture;
        if (!isBroken) {
            EXPECT_GT(levelValue(name, 0, GL_TEXTURE_WIDTH), 0) << entry.fileName;
        }
    }
}

TEST_F(TextureSetTest, EmptyFolderStillGivesElevenDistinctNames)
{
    testing::internal::CaptureStderr();
    loadTextures();
    const std::vector<std::string> lines = linesOf(testing::internal::GetCapturedStderr());
    EXPECT_EQ(lines.size(), 11u);
    std::set<unsigned> seen;
    for (const ExpectedTexture& entry : expectedTextures) {
        const unsigned name = textures.*entry.texture;
        EXPECT_NE(name, 0u) << entry.fileName;
        seen.insert(name);
        EXPECT_EQ(levelValue(name, 0, GL_TEXTURE_WIDTH), 0) << entry.fileName;
    }
    EXPECT_EQ(seen.size(), 11u);
}

TEST_F(TextureSetTest, ReleaseDeletesEveryNameAndKeepsTheFields)
{
    copyAssets(dir);
    fs::remove("rock.png");  // a name without an image is deleted too
    testing::internal::CaptureStderr();
    loadTextures();
    testing::internal::GetCapturedStderr();
    const TextureSet loaded = textures;

    releaseTextures();
    for (const ExpectedTexture& entry : expectedTextures) {
        const unsigned name = textures.*entry.texture;
        EXPECT_EQ(name, loaded.*entry.texture) << entry.fileName;
        EXPECT_EQ(glIsTexture(name), GL_FALSE) << entry.fileName;
    }
}

// SDL 1.2 on Windows makes a new GL context at every video-mode change. Here
// the old context's objects are deleted instead, which the new context's
// view of them is: the views rebuilt after the change make them all again.
TEST_F(TextureSetTest, ViewsRebuiltInAContextWithoutTheTexturesMakeThemAgain)
{
    copyAssets(dir);
    loadTextures();
    const float grey[4] = {0.5f, 0.5f, 0.5f, 1.0f};
    guiContext = new OrlinContext(640, 480, "", grey, grey, grey, grey, grey, grey, grey, grey, grey, false);
    environmentBox = new EnvironmentBox();
    EXPECT_FALSE(glObjectsLost());
    clearOrlinCalls();
    rebuildViews(640, 480);
    EXPECT_TRUE(orlinCallsNamed("glContextReplaced").empty()) << "the same context needs nothing made again";

    releaseTextures();
    glDeleteLists(environmentBox->floorList, 1);
    ASSERT_TRUE(glObjectsLost());
    clearOrlinCalls();
    rebuildViews(640, 480);

    EXPECT_FALSE(glObjectsLost());
    for (const ExpectedTexture& entry : expectedTextures) {
        const unsigned name = textures.*entry.texture;
        EXPECT_EQ(glIsTexture(name), GL_TRUE) << entry.fileName;
        EXPECT_GT(levelValue(name, 0, GL_TEXTURE_WIDTH), 0) << entry.fileName << " has no image again";
    }
    EXPECT_EQ(glIsList(environmentBox->floorList), GL_TRUE);
    EXPECT_EQ(orlinCallsNamed("glContextReplaced").size(), 1u);

    releaseEnvironmentBox(environmentBox);
    environmentBox = nullptr;
    delete guiContext;
    guiContext = nullptr;
}

}  // namespace
