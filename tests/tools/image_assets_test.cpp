#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "assets/png_reader.h"
#include "png_test_files.h"
#include "program_runner.h"

namespace {

struct AssetShape {
    const char* fileName;
    std::uint32_t width;
    std::uint32_t height;
    int channels;  // 3 for opaque surfaces, 4 where alpha matters
};

const AssetShape assetShapes[] = {
    {"rock.png", 512, 512, 3},
    {"water.png", 512, 512, 3},
    {"mackerel_texture_red.png", 512, 256, 3},
    {"mackerel_texture_orange.png", 512, 256, 3},
    {"mackerel_texture_yellow.png", 512, 256, 3},
    {"mackerel_texture_green.png", 512, 256, 3},
    {"mackerel_texture.png", 512, 256, 3},
    {"mackerel_texture_purple.png", 512, 256, 3},
    {"underwater_sun.png", 256, 256, 4},
    {"depth_scale.png", 41, 246, 4},
    {"depth_arrow.png", 54, 10, 4},
};

Image loadAsset(const std::string& fileName)
{
    return loadPng(assetDir() + "/" + fileName);
}

// Pixel access with y counted from the picture's bottom row, as the reader
// stores it and as the gauge's quads are placed.
const unsigned char* pixel(const Image& image, std::uint32_t x, std::uint32_t yFromBottom)
{
    return image.pixels + static_cast<std::size_t>(yFromBottom) * image.stride() +
           static_cast<std::size_t>(x) * image.channels;
}

// Mean absolute difference over all channels between column (or row) a and b.
double lineDifference(const Image& image, bool columns, std::uint32_t a, std::uint32_t b)
{
    const std::uint32_t length = columns ? image.height : image.width;
    double sum = 0.0;
    for (std::uint32_t i = 0; i < length; ++i) {
        const unsigned char* p = columns ? pixel(image, a, i) : pixel(image, i, a);
        const unsigned char* q = columns ? pixel(image, b, i) : pixel(image, i, b);
        for (int c = 0; c < image.channels; ++c)
            sum += std::abs(static_cast<int>(p[c]) - static_cast<int>(q[c]));
    }
    return sum / (length * image.channels);
}

bool isBrightMark(const unsigned char* p)
{
    return p[3] == 255 && p[0] > 200 && p[1] > 200 && p[2] > 200;
}

float tickHeight(int depth)
{
    return 6.0f + 234.0f * (1.0f - (static_cast<float>(depth) - 10.0f) / 80.0f);
}

TEST(GeneratedImages, ElevenReadablePngsOfTheirSizesAndColourTypes)
{
    for (const AssetShape& shape : assetShapes) {
        SCOPED_TRACE(shape.fileName);
        Image image = loadAsset(shape.fileName);
        ASSERT_NE(image.pixels, nullptr) << "not readable";
        EXPECT_EQ(image.width, shape.width);
        EXPECT_EQ(image.height, shape.height);
        EXPECT_EQ(image.channels, shape.channels);
    }
}

TEST(GeneratedImages, SkinsAreSixDifferentColourings)
{
    std::set<std::vector<int>> averages;
    for (const AssetShape& shape : assetShapes) {
        std::string name = shape.fileName;
        if (name.rfind("mackerel", 0) != 0)
            continue;
        Image image = loadAsset(name);
        ASSERT_NE(image.pixels, nullptr) << name;
        // Average colour of the back (top quarter), coarsely rounded.
        long sum[3] = {0, 0, 0};
        long count = 0;
        for (std::uint32_t y = image.height * 3 / 4; y < image.height; ++y)
            for (std::uint32_t x = 0; x < image.width; ++x, ++count)
                for (int c = 0; c < 3; ++c)
                    sum[c] += pixel(image, x, y)[c];
        averages.insert({static_cast<int>(sum[0] / count / 16), static_cast<int>(sum[1] / count / 16),
                         static_cast<int>(sum[2] / count / 16)});
    }
    EXPECT_EQ(averages.size(), 6u);
}

TEST(GeneratedImages, RockAndWaterJoinSeamlesslyWhenTiled)
{
    for (const char* fileName : {"rock.png", "water.png"}) {
        SCOPED_TRACE(fileName);
        Image image = loadAsset(fileName);
        ASSERT_NE(image.pixels, nullptr);
        for (bool columns : {true, false}) {
            const std::uint32_t last = (columns ? image.width : image.height) - 1;
            // Across the seam the picture must change no more than between
            // neighbouring lines inside it, and much less than between lines
            // far apart.
            double seam = lineDifference(image, columns, last, 0);
            double neighbours = 0.0;
            for (std::uint32_t i = 0; i < last; ++i)
                neighbours += lineDifference(image, columns, i, i + 1);
            neighbours /= last;
            double distant = lineDifference(image, columns, 0, last / 2);
            EXPECT_LT(seam, neighbours * 1.5 + 1.0) << (columns ? "left/right" : "top/bottom") << " edges";
            EXPECT_LT(seam * 3.0, distant) << (columns ? "left/right" : "top/bottom") << " edges";
        }
    }
}

TEST(GeneratedImages, SunGlowFadesToNothingWellInsideItsSquare)
{
    Image sun = loadAsset("underwater_sun.png");
    ASSERT_NE(sun.pixels, nullptr);
    const float half = static_cast<float>(sun.width) * 0.5f;
    int insideRing = 0;
    for (std::uint32_t y = 0; y < sun.height; ++y) {
        for (std::uint32_t x = 0; x < sun.width; ++x) {
            float dx = (static_cast<float>(x) + 0.5f - half) / half;
            float dy = (static_cast<float>(y) + 0.5f - half) / half;
            float r = std::sqrt(dx * dx + dy * dy);
            if (r >= 0.9f) {
                ASSERT_EQ(pixel(sun, x, y)[3], 0) << "visible at " << x << "," << y;
            } else if (r < 0.1f) {
                EXPECT_EQ(pixel(sun, x, y)[3], 255) << "centre not solid at " << x << "," << y;
                ++insideRing;
            }
        }
    }
    EXPECT_GT(insideRing, 0);
}

TEST(GeneratedImages, SunAndGaugePicturesHaveTransparentCorners)
{
    for (const char* fileName : {"underwater_sun.png", "depth_scale.png", "depth_arrow.png"}) {
        SCOPED_TRACE(fileName);
        Image image = loadAsset(fileName);
        ASSERT_NE(image.pixels, nullptr);
        ASSERT_EQ(image.channels, 4);
        const std::uint32_t xs[] = {0, image.width - 1};
        const std::uint32_t ys[] = {0, image.height - 1};
        for (std::uint32_t x : xs)
            for (std::uint32_t y : ys)
                EXPECT_EQ(pixel(image, x, y)[3], 0) << "corner " << x << "," << y;
    }
}

// A major tick is a long run of solid bright pixels in one row; it must be
// centred where the arrow's centre line stands at its depth.
TEST(GeneratedImages, ScaleTicksAndLabelsStandAtTheArrowHeights)
{
    Image scale = loadAsset("depth_scale.png");
    ASSERT_NE(scale.pixels, nullptr);

    std::vector<std::uint32_t> tickRows;
    std::uint32_t labelsLeft = scale.width;
    for (std::uint32_t y = 0; y < scale.height; ++y) {
        std::uint32_t run = 0;
        std::uint32_t longest = 0;
        std::uint32_t runEnd = 0;
        for (std::uint32_t x = 0; x < scale.width; ++x) {
            run = isBrightMark(pixel(scale, x, y)) ? run + 1 : 0;
            if (run > longest) {
                longest = run;
                runEnd = x;
            }
        }
        if (longest >= 8) {
            tickRows.push_back(y);
            labelsLeft = std::min(labelsLeft, runEnd + 2);
        }
    }
    // Group neighbouring rows into ticks; a tick's centre line is the middle
    // of its rows (rows y .. y+1 span the heights y to y + 2).
    std::vector<float> centres;
    for (std::size_t i = 0; i < tickRows.size();) {
        std::size_t j = i;
        while (j + 1 < tickRows.size() && tickRows[j + 1] == tickRows[j] + 1)
            ++j;
        centres.push_back((static_cast<float>(tickRows[i]) + static_cast<float>(tickRows[j]) + 1.0f) * 0.5f);
        i = j + 1;
    }
    ASSERT_EQ(centres.size(), 9u) << "major ticks";
    std::vector<std::vector<bool>> labels;
    for (int depth = 10; depth <= 90; depth += 10) {
        SCOPED_TRACE(depth);
        const float expected = tickHeight(depth);
        // Ticks were listed bottom-up: depth 90 first.
        EXPECT_NEAR(centres[static_cast<std::size_t>((90 - depth) / 10)], expected, 0.5f);

        // The label: bright marks right of the ticks, centred on the same line.
        std::uint32_t low = scale.height;
        std::uint32_t high = 0;
        std::vector<bool> shape;
        const int middle = static_cast<int>(std::lround(expected));
        for (int y = middle - 8; y < middle + 8; ++y) {
            for (std::uint32_t x = labelsLeft; x < scale.width; ++x) {
                bool mark = y >= 0 && y < static_cast<int>(scale.height) &&
                            isBrightMark(pixel(scale, x, static_cast<std::uint32_t>(y)));
                shape.push_back(mark);
                if (mark) {
                    low = std::min(low, static_cast<std::uint32_t>(y));
                    high = std::max(high, static_cast<std::uint32_t>(y));
                }
            }
        }
        ASSERT_LE(low, high) << "no label";
        EXPECT_NEAR((static_cast<float>(low) + static_cast<float>(high) + 1.0f) * 0.5f, expected, 1.0f);
        labels.push_back(shape);
    }
    // Nine different numbers, not one drawn nine times.
    EXPECT_EQ(std::set<std::vector<bool>>(labels.begin(), labels.end()).size(), 9u);
}

TEST(GeneratedImages, ArrowIsSymmetricAboutItsCentreLineAndReachesOverTheScale)
{
    Image arrow = loadAsset("depth_arrow.png");
    ASSERT_NE(arrow.pixels, nullptr);
    // The arrow's quad starts 6 pixels left of the scale's.
    const std::uint32_t scaleLeft = 6;
    const std::uint32_t scaleRight = 6 + 41;
    std::uint32_t leftTip = 0;
    std::uint32_t rightTip = arrow.width;
    int solid = 0;
    for (std::uint32_t y = 0; y < arrow.height; ++y) {
        for (std::uint32_t x = 0; x < arrow.width; ++x) {
            const unsigned char* p = pixel(arrow, x, y);
            const unsigned char* mirror = pixel(arrow, x, arrow.height - 1 - y);
            EXPECT_NEAR(p[3], mirror[3], 2) << x << "," << y;
            if (p[3] == 255) {
                ++solid;
                if (x < arrow.width / 2)
                    leftTip = std::max(leftTip, x);
                else
                    rightTip = std::min(rightTip, x);
            }
        }
    }
    EXPECT_GT(solid, 40);
    // Both pointers reach in over the scale from outside it.
    EXPECT_GE(leftTip, scaleLeft);
    EXPECT_LT(rightTip, scaleRight);
    EXPECT_GT(pixel(arrow, 0, 5)[3] + pixel(arrow, 1, 5)[3], 0) << "left pointer starts outside the scale";
    EXPECT_GT(pixel(arrow, arrow.width - 1, 5)[3] + pixel(arrow, arrow.width - 2, 5)[3], 0)
        << "right pointer starts outside the scale";
}

std::string generatorPath()
{
    return std::string(MARIVANE_BINARY_DIR) + "/marivane_assetgen";
}

TEST(AssetGenerator, WritesTheSameBytesEveryRun)
{
    const std::string dir = makeTempDir();
    ASSERT_FALSE(dir.empty());
    std::string output;
    ASSERT_EQ(runCommand("'" + generatorPath() + "' '" + dir + "' 2>&1", &output), 0) << output;
    for (const AssetShape& shape : assetShapes) {
        std::string fresh = readBytes(dir + "/" + shape.fileName);
        EXPECT_FALSE(fresh.empty()) << shape.fileName;
        EXPECT_TRUE(fresh == readBytes(assetDir() + "/" + shape.fileName)) << shape.fileName << " differs";
    }
    removeTree(dir);
}

TEST(AssetGenerator, UnwritableFolderFailsWithAMessageNamingIt)
{
    const std::string dir = makeTempDir();
    ASSERT_FALSE(dir.empty());
    const std::string missing = dir + "/no/such/folder";
    std::string output;
    EXPECT_NE(runCommand("'" + generatorPath() + "' '" + missing + "' 2>&1", &output), 0);
    EXPECT_NE(output.find(missing), std::string::npos) << output;
    EXPECT_EQ(runCommand("'" + generatorPath() + "' 2>&1", &output), 2) << "no folder given";
    removeTree(dir);
}

}  // namespace
