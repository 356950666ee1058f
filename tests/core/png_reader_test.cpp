#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <png.h>

#include "assets/png_reader.h"
#include "png_test_files.h"
#include "program_runner.h"

namespace {

int openDescriptors()
{
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++count;
    return count;
}

void expectEmpty(const Image& image, const std::string& what)
{
    EXPECT_EQ(image.width, 0u) << what;
    EXPECT_EQ(image.height, 0u) << what;
    EXPECT_EQ(image.bitDepth, 0) << what;
    EXPECT_EQ(image.channels, 0) << what;
    EXPECT_EQ(image.pixels, nullptr) << what;
}

// A sample pattern that differs from pixel to pixel and channel to channel
// and fills the whole range of the bit depth.
std::uint16_t patternSample(std::uint32_t x, std::uint32_t y, int c, int bitDepth)
{
    if (bitDepth == 16)
        return static_cast<std::uint16_t>((x * 7919u + y * 30011u + static_cast<std::uint32_t>(c) * 7001u) & 0xFFFFu);
    std::uint32_t limit = 1u << bitDepth;
    return static_cast<std::uint16_t>((x * 7u + y * 13u + x * y + static_cast<std::uint32_t>(c) * 5u) % limit);
}

class PngReaderTest : public ::testing::Test {
public:
    void SetUp() override { dir = makeTempDir(); ASSERT_FALSE(dir.empty()); }
    void TearDown() override { removeTree(dir); }
    std::string path(const std::string& name) const { return dir + "/" + name; }

    // A valid 64 x 64 RGB file with busy content, so its IDAT is large.
    std::string writeBusyRgb(const std::string& name) const
    {
        PngSamplePicture png;
        png.layout.width = 64;
        png.layout.height = 64;
        png.layout.colourType = PNG_COLOR_TYPE_RGB;
        fillSamples(png, [](std::uint32_t x, std::uint32_t y, int c) {
            return static_cast<std::uint16_t>(((x + 1) * 2654435761u >> (y % 7 + static_cast<std::uint32_t>(c))) & 0xFF);
        });
        std::string file = path(name);
        std::string error;
        EXPECT_TRUE(writePngSamples(file, png, &error)) << error;
        return file;
    }

    std::string dir;
};

struct DecodeCase {
    const char* name;
    int colourType;
    int bitDepth;
    bool interlaced;
    std::uint32_t width;
    std::uint32_t height;
    int channels;
};

const DecodeCase decodeCases[] = {
    {"grey 1 bit", PNG_COLOR_TYPE_GRAY, 1, false, 13, 5, 1},
    {"grey 2 bits", PNG_COLOR_TYPE_GRAY, 2, false, 13, 5, 1},
    {"grey 4 bits", PNG_COLOR_TYPE_GRAY, 4, false, 13, 5, 1},
    {"grey 8 bits", PNG_COLOR_TYPE_GRAY, 8, false, 13, 5, 1},
    {"grey 16 bits", PNG_COLOR_TYPE_GRAY, 16, false, 13, 5, 1},
    {"palette 2 bits", PNG_COLOR_TYPE_PALETTE, 2, false, 11, 4, 3},
    {"palette 4 bits", PNG_COLOR_TYPE_PALETTE, 4, false, 11, 4, 3},
    {"palette 8 bits", PNG_COLOR_TYPE_PALETTE, 8, false, 11, 4, 3},
    {"grey and alpha 8 bits", PNG_COLOR_TYPE_GRAY_ALPHA, 8, false, 7, 6, 2},
    {"grey and alpha 16 bits", PNG_COLOR_TYPE_GRAY_ALPHA, 16, false, 7, 6, 2},
    {"RGB 8 bits", PNG_COLOR_TYPE_RGB, 8, false, 10, 4, 3},
    {"RGB 16 bits", PNG_COLOR_TYPE_RGB, 16, false, 10, 4, 3},
    {"RGB 3 wide (stride 9, no padding)", PNG_COLOR_TYPE_RGB, 8, false, 3, 5, 3},
    {"RGBA 8 bits", PNG_COLOR_TYPE_RGB_ALPHA, 8, false, 6, 6, 4},
    {"RGBA 16 bits", PNG_COLOR_TYPE_RGB_ALPHA, 16, false, 6, 6, 4},
    {"interlaced RGB", PNG_COLOR_TYPE_RGB, 8, true, 13, 11, 3},
    {"interlaced grey 1 bit", PNG_COLOR_TYPE_GRAY, 1, true, 17, 9, 1},
    {"interlaced RGBA 16 bits", PNG_COLOR_TYPE_RGB_ALPHA, 16, true, 9, 10, 4},
};

TEST_F(PngReaderTest, EveryColourTypeAndDepthGivesEightBitSamplesBottomRowFirst)
{
    for (const DecodeCase& c : decodeCases) {
        SCOPED_TRACE(c.name);
        PngSamplePicture png;
        png.layout.width = c.width;
        png.layout.height = c.height;
        png.layout.colourType = c.colourType;
        png.layout.bitDepth = c.bitDepth;
        png.layout.interlaced = c.interlaced;
        if (c.colourType == PNG_COLOR_TYPE_PALETTE) {
            for (int i = 0; i < (1 << c.bitDepth); ++i)
                png.layout.palette.push_back({static_cast<unsigned char>(255 - i), static_cast<unsigned char>(i), 9});
        }
        fillSamples(png, [&](std::uint32_t x, std::uint32_t y, int ch) { return patternSample(x, y, ch, c.bitDepth); });
        const std::string file = path("case.png");
        std::string error;
        ASSERT_TRUE(writePngSamples(file, png, &error)) << error;

        Image image = loadPng(file);
        ASSERT_NE(image.pixels, nullptr);
        EXPECT_EQ(image.width, c.width);
        EXPECT_EQ(image.height, c.height);
        EXPECT_EQ(image.bitDepth, 8);
        EXPECT_EQ(image.channels, c.channels);
        EXPECT_EQ(image.stride(), c.width * static_cast<std::uint32_t>(c.channels));

        // 16-bit samples keep their high byte; narrower grey is scaled to
        // 0..255 (PNG, ISO/IEC 15948:2003, 12.5: v * 255 / (2^depth - 1)); palette
        // indices give their colours; the file's last row comes first.
        std::vector<unsigned char> expected;
        for (std::uint32_t row = c.height; row-- > 0;)
            for (std::uint32_t x = 0; x < c.width; ++x) {
                if (c.colourType == PNG_COLOR_TYPE_PALETTE) {
                    const std::uint16_t index = patternSample(x, row, 0, c.bitDepth);
                    expected.insert(expected.end(), {static_cast<unsigned char>(255 - index),
                                                     static_cast<unsigned char>(index), 9});
                    continue;
                }
                for (int ch = 0; ch < c.channels; ++ch) {
                    std::uint16_t s = patternSample(x, row, ch, c.bitDepth);
                    if (c.bitDepth < 8)
                        s = static_cast<std::uint16_t>(s * 255 / ((1 << c.bitDepth) - 1));
                    expected.push_back(static_cast<unsigned char>(c.bitDepth == 16 ? s >> 8 : s));
                }
            }
        std::vector<unsigned char> actual(image.pixels, image.pixels + expected.size());
        EXPECT_EQ(actual, expected);
    }
}

TEST_F(PngReaderTest, OneBitGreyGivesBlackAndWhite)
{
    PngSamplePicture png;
    png.layout.width = 8;
    png.layout.height = 1;
    png.layout.colourType = PNG_COLOR_TYPE_GRAY;
    png.layout.bitDepth = 1;
    png.samples = {0, 1, 1, 0, 1, 0, 0, 1};
    std::string error;
    ASSERT_TRUE(writePngSamples(path("bits.png"), png, &error)) << error;
    Image image = loadPng(path("bits.png"));
    ASSERT_NE(image.pixels, nullptr);
    EXPECT_EQ(std::vector<unsigned char>(image.pixels, image.pixels + 8),
              (std::vector<unsigned char>{0, 255, 255, 0, 255, 0, 0, 255}));
}

TEST_F(PngReaderTest, TopRedBottomBlueStartsTheBufferWithBlue)
{
    PngSamplePicture png;
    png.layout.width = 5;
    png.layout.height = 3;
    png.layout.colourType = PNG_COLOR_TYPE_RGB;
    // Red, green, blue rows from the top.
    fillSamples(png, [](std::uint32_t, std::uint32_t y, int c) {
        return static_cast<std::uint16_t>(static_cast<std::uint32_t>(c) == y ? 255 : 0);
    });
    std::string error;
    ASSERT_TRUE(writePngSamples(path("stripes.png"), png, &error)) << error;
    Image image = loadPng(path("stripes.png"));
    ASSERT_NE(image.pixels, nullptr);
    const std::uint32_t stride = image.stride();
    ASSERT_EQ(stride, 15u);
    for (std::uint32_t x = 0; x < 5; ++x) {
        const unsigned char* first = image.pixels + 3 * x;
        const unsigned char* last = image.pixels + 2 * stride + 3 * x;
        EXPECT_EQ(std::vector<unsigned char>(first, first + 3), (std::vector<unsigned char>{0, 0, 255})) << x;
        EXPECT_EQ(std::vector<unsigned char>(last, last + 3), (std::vector<unsigned char>{255, 0, 0})) << x;
    }
}

// Screenshots: OpenGL reads the window bottom row first, as the reader gives
// it back, so a round trip through a bottom-up write changes nothing.
TEST_F(PngReaderTest, BottomUpRowsWrittenComeBackAsTheyWere)
{
    const std::vector<unsigned char> pixels = {
        10, 20, 30, 40, 50, 60,   70, 80, 90, 100, 110, 120,  // bottom row
        130, 140, 150, 160, 170, 180, 190, 200, 210, 220, 230, 240,
        1, 2, 3, 4, 5, 6,   7, 8, 9, 11, 12, 13,  // top row
    };
    std::string error;
    ASSERT_TRUE(writeRgbPng(path("shot.png"), {3, 3, 4, pixels.data(), PngRowOrder::bottomUp}, {}, &error)) << error;
    Image image = loadPng(path("shot.png"));
    ASSERT_NE(image.pixels, nullptr);
    EXPECT_EQ(image.channels, 4);
    EXPECT_EQ(std::vector<unsigned char>(image.pixels, image.pixels + pixels.size()), pixels);

    EXPECT_FALSE(writeRgbPng(path("no/such/folder/shot.png"), {3, 3, 4, pixels.data(), PngRowOrder::bottomUp}, {},
                             &error));
    EXPECT_FALSE(error.empty());
}

// A colour-keyed or palette transparency is an alpha channel, as the
// picture's author sees it.
TEST_F(PngReaderTest, TransparencyChunkBecomesAnAlphaChannel)
{
    PngSamplePicture png;
    png.layout.width = 4;
    png.layout.height = 2;
    png.layout.colourType = PNG_COLOR_TYPE_PALETTE;
    png.layout.bitDepth = 8;
    png.layout.palette = {{0, 0, 0}, {255, 255, 255}};
    png.layout.paletteAlpha = {0};  // index 0 transparent
    png.samples = {0, 1, 0, 1, 1, 0, 1, 0};
    std::string error;
    ASSERT_TRUE(writePngSamples(path("trns.png"), png, &error)) << error;
    ASSERT_NE(findChunk(readBytes(path("trns.png")), "tRNS"), std::string::npos);

    Image image = loadPng(path("trns.png"));
    ASSERT_NE(image.pixels, nullptr);
    EXPECT_EQ(image.channels, 4);
    const std::vector<unsigned char> clear = {0, 0, 0, 0}, white = {255, 255, 255, 255};
    std::vector<unsigned char> expected;
    for (int index : {1, 0, 1, 0, 0, 1, 0, 1})
        expected.insert(expected.end(), (index == 0 ? clear : white).begin(), (index == 0 ? clear : white).end());
    EXPECT_EQ(std::vector<unsigned char>(image.pixels, image.pixels + 32), expected);
}

class PngReaderFailureTest : public PngReaderTest {
public:
    std::string damaged(const std::string& name, const std::function<void(std::string&)>& damage)
    {
        std::string file = writeBusyRgb(name);
        std::string bytes = readBytes(file);
        damage(bytes);
        EXPECT_TRUE(writeBytes(file, bytes));
        return file;
    }
    std::string raw(const std::string& name, const std::string& bytes)
    {
        EXPECT_TRUE(writeBytes(path(name), bytes));
        return path(name);
    }
};

struct FailureCase {
    const char* name;
    // Writes the damaged file and returns its path.
    std::function<std::string(PngReaderFailureTest&)> make;
    const char* reason;  // how the failure begins, in the user's words
};

// Flips one bit of the CRC that ends the first chunk of `type`.
void breakCrc(std::string& bytes, const char* type)
{
    std::size_t at = findChunk(bytes, type);
    ASSERT_NE(at, std::string::npos);
    std::uint32_t length = chunkLength(bytes, at);
    bytes[at + 8 + length] = static_cast<char>(bytes[at + 8 + length] ^ 0x01);
}

TEST_F(PngReaderFailureTest, EveryBrokenFileGivesTheEmptyImageAndClosesTheFile)
{
    const FailureCase cases[] = {
        {"missing file", [](PngReaderFailureTest& t) { return t.dir + "/no such file.png"; }, "missing"},
        {"folder, not a file", [](PngReaderFailureTest& t) { return t.dir; }, "a folder, not a file"},
        {"empty file", [](PngReaderFailureTest& t) { return t.raw("empty.png", ""); }, "not a PNG file"},
        {"three signature bytes",
         [](PngReaderFailureTest& t) { return t.raw("short.png", "\x89PN"); }, "not a PNG file"},
        {"text file",
         [](PngReaderFailureTest& t) {
             return t.raw("text.png", "This is a note, not a picture.\n");
         },
         "not a PNG file"},
        {"bytes 5 to 8 wrong",
         [](PngReaderFailureTest& t) {
             return t.damaged("sig.png", [](std::string& b) { b[4] = '\n'; b[5] = '\r'; });
         },
         "corrupt or unsupported PNG data ("},
        {"signature only",
         [](PngReaderFailureTest& t) {
             return t.damaged("sigonly.png", [](std::string& b) { b.resize(8); });
         },
         "cut short: "},
        {"truncated after the header",
         [](PngReaderFailureTest& t) {
             return t.damaged("header.png", [](std::string& b) { b.resize(33); });
         },
         "cut short: "},
        {"truncated in the picture data",
         [](PngReaderFailureTest& t) {
             return t.damaged("cut.png", [](std::string& b) {
                 std::size_t idat = findChunk(b, "IDAT");
                 b.resize(idat + 8 + 100);
             });
         },
         "cut short: "},
        {"bad CRC in IHDR",
         [](PngReaderFailureTest& t) {
             return t.damaged("ihdr.png", [](std::string& b) { breakCrc(b, "IHDR"); });
         },
         "damaged: "},
        {"bad CRC in IDAT",
         [](PngReaderFailureTest& t) {
             return t.damaged("idat.png", [](std::string& b) { breakCrc(b, "IDAT"); });
         },
         "damaged: "},
        {"zero width in the header",
         [](PngReaderFailureTest& t) {
             return t.damaged("zero.png", [](std::string& b) {
                 b[16] = b[17] = b[18] = b[19] = 0;
                 refreshCrc(b, 8);
             });
         },
         "corrupt or unsupported PNG data (Image width is zero in IHDR"},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::string file = c.make(*this);
        const int before = openDescriptors();
        std::string failure;
        testing::internal::CaptureStderr();
        Image image = loadPng(file, &failure);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "libpng's messages belong in the reason";
        EXPECT_EQ(openDescriptors(), before) << "a file descriptor was left open";
        expectEmpty(image, c.name);
        EXPECT_EQ(failure.rfind(c.reason, 0), 0u) << failure;
    }
}

TEST_F(PngReaderFailureTest, SizeBeyondAnyTextureIsRefusedBeforeDecoding)
{
    // A header claiming 100000 x 1 pixels: the header's CRC is valid, so only
    // the size check stops it.
    PngSamplePicture png;
    png.layout.width = 100000;
    png.layout.height = 1;
    png.layout.colourType = PNG_COLOR_TYPE_GRAY;
    png.layout.bitDepth = 1;
    fillSamples(png, [](std::uint32_t, std::uint32_t, int) { return std::uint16_t{0}; });
    std::string error;
    ASSERT_TRUE(writePngSamples(path("wide.png"), png, &error)) << error;
    const int before = openDescriptors();
    std::string failure;
    testing::internal::CaptureStderr();
    Image image = loadPng(path("wide.png"), &failure);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(openDescriptors(), before);
    expectEmpty(image, "wide");
    EXPECT_EQ(failure, "100000x1 is larger than the largest picture this program loads, 16384x16384");
    // The largest side allowed still loads.
    png.layout.width = maxImageSide;
    fillSamples(png, [](std::uint32_t, std::uint32_t, int) { return std::uint16_t{1}; });
    ASSERT_TRUE(writePngSamples(path("widest.png"), png, &error)) << error;
    EXPECT_EQ(loadPng(path("widest.png"), &failure).width, maxImageSide) << failure;
    EXPECT_EQ(failure, "");
}

// ---- Image value semantics ----

Image makeImage(std::uint32_t width, std::uint32_t height, std::uint8_t channels, unsigned char first)
{
    Image image;
    image.width = width;
    image.height = height;
    image.bitDepth = 8;
    image.channels = channels;
    std::size_t size = static_cast<std::size_t>(width) * height * channels;
    image.pixels = new unsigned char[size];
    for (std::size_t i = 0; i < size; ++i)
        image.pixels[i] = static_cast<unsigned char>(first + i);
    return image;
}

void expectSameContents(const Image& a, const Image& b)
{
    ASSERT_EQ(a.width, b.width);
    ASSERT_EQ(a.height, b.height);
    ASSERT_EQ(a.bitDepth, b.bitDepth);
    ASSERT_EQ(a.channels, b.channels);
    ASSERT_NE(a.pixels, nullptr);
    ASSERT_NE(b.pixels, nullptr);
    std::size_t size = static_cast<std::size_t>(a.stride()) * a.height;
    EXPECT_EQ(std::vector<unsigned char>(a.pixels, a.pixels + size), std::vector<unsigned char>(b.pixels, b.pixels + size));
}

TEST(ImageValue, CopyOwnsItsOwnBuffer)
{
    Image original = makeImage(3, 2, 3, 10);
    Image copy(original);
    expectSameContents(copy, original);
    EXPECT_NE(copy.pixels, original.pixels);
    copy.pixels[0] = 99;
    EXPECT_EQ(original.pixels[0], 10);
}

TEST(ImageValue, AssignmentReplacesContentsAndBuffer)
{
    Image target = makeImage(5, 5, 4, 1);
    Image source = makeImage(2, 3, 1, 50);
    target = source;
    expectSameContents(target, source);
    EXPECT_NE(target.pixels, source.pixels);
}

TEST(ImageValue, SelfAssignmentKeepsContents)
{
    Image image = makeImage(4, 3, 2, 7);
    Image reference(image);
    Image& alias = image;
    image = alias;
    expectSameContents(image, reference);
}

TEST(ImageValue, EmptyOverFullLeavesNoBufferAndTheEmptyFields)
{
    Image target = makeImage(4, 4, 3, 0);
    target = Image();
    expectEmpty(target, "after assigning the empty image");

    // Copy-assigning (not moving) an empty image over a full one.
    Image full = makeImage(2, 2, 1, 3);
    const Image empty;
    full = empty;
    expectEmpty(full, "after copy-assigning the empty image");
}

}  // namespace
