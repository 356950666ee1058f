// Asset files as people and tools make them, each made here: what the loaders
// do with each kind, and the words they give when they refuse one. Nothing
// may block, stream for ever or be drawn wrong without a word.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include "assets/mesh.h"
#include "assets/png_reader.h"
#include "assets/png_writer.h"
#include "mesh_test_helpers.h"

namespace fs = std::filesystem;

namespace {

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string bigEndian(std::uint32_t value)
{
    return {static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
            static_cast<char>(value)};
}

// A chunk with its length and CRC (zlib's crc32 is the PNG one: PNG, ISO/IEC
// 15948:2003, 5.5), or with a claimed length that is not its data's.
std::string chunk(const std::string& type, const std::string& data, std::uint32_t claimed)
{
    const std::string body = type + data;
    const auto crc = static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size())));
    return bigEndian(claimed) + body + bigEndian(crc);
}

std::string chunk(const std::string& type, const std::string& data)
{
    return chunk(type, data, static_cast<std::uint32_t>(data.size()));
}

const std::string signature("\x89PNG\r\n\x1a\n", 8);

std::string header(std::uint32_t width, std::uint32_t height, char bitDepth, char colourType)
{
    return chunk("IHDR", bigEndian(width) + bigEndian(height) + std::string{bitDepth, colourType, 0, 0, 0});
}

struct Outcome {
    bool loads;               // the picture or a mesh with faces comes back
    const char* words;        // in the refusal or in what was left out; "" for none
};

struct KindCase {
    const char* name;
    const char* file;
    std::function<void(const std::string& path)> make;
    Outcome outcome;
    std::function<void(const Image&, const Mesh&)> check;  // the loaded result, when it loads
};

class AssetFileKindsTest : public ObjFileTest {};

TEST_F(AssetFileKindsTest, EachKindLoadsOrIsRefusedInWordsThatNameTheCause)
{
    const char* const triangle = "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nvn 0 0 1\nf 1/1/1 2/1/1 3/1/1\n";
    const KindCase cases[] = {
        {"named pipe as a picture", "fifo.png", [](const std::string& p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); },
         {false, "named pipe"}, nullptr},
        {"named pipe as a mesh", "fifo.obj", [](const std::string& p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); },
         {false, "named pipe"}, nullptr},
        {"link to /dev/zero as a mesh", "zero.obj", [](const std::string& p) { fs::create_symlink("/dev/zero", p); },
         {false, "not a regular file but a device"}, nullptr},
        {"link to /dev/urandom as a picture", "random.png",
         [](const std::string& p) { fs::create_symlink("/dev/urandom", p); }, {false, "device"}, nullptr},
        {"folder as a mesh", "folder.obj", [](const std::string& p) { fs::create_directory(p); },
         {false, "a folder, not a file"}, nullptr},
        {"palette picture with transparency", "palette.png",
         [](const std::string& p) {
             PngSamplePicture png;
             png.layout.width = 2;
             png.layout.height = 1;
             png.layout.colourType = PNG_COLOR_TYPE_PALETTE;
             png.layout.bitDepth = 4;
             png.layout.palette = {{255, 0, 255}, {10, 20, 30}};
             png.layout.paletteAlpha = {0};  // the magenta colour key is see-through
             png.samples = {0, 1};
             std::string error;
             ASSERT_TRUE(writePngSamples(p, png, &error)) << error;
         },
         {true, ""},
         [](const Image& image, const Mesh&) {
             ASSERT_EQ(image.channels, 4);
             EXPECT_EQ(std::vector<unsigned char>(image.pixels, image.pixels + 8),
                       (std::vector<unsigned char>{255, 0, 255, 0, 10, 20, 30, 255}));
         }},
        // 41 bytes whose text chunk claims 2^31-1 bytes: skipped, never allocated.
        {"text chunk claiming 2 GB", "text.png",
         [](const std::string& p) {
             writeBytes(p, signature + header(1, 1, 8, 0) + chunk("tEXt", "", 0x7FFFFFFF));
         },
         {false, "cut short"}, nullptr},
        {"16384x16384 pixels, inside each side's limit", "huge.png",
         [](const std::string& p) {
             writeBytes(p, signature + header(16384, 16384, 8, 0) + chunk("IDAT", std::string("\x78\x01", 2)) +
                               chunk("IEND", ""));
         },
         {false, "more than the largest texture this program loads, 64 MB"}, nullptr},
        {"quad mesh", "quad.obj",
         [](const std::string& p) {
             writeBytes(p, "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nvt 0 0\nvn 0 0 1\nf 1/1/1 2/1/1 3/1/1 4/1/1\n");
         },
         {true, ""}, [](const Image&, const Mesh& mesh) { EXPECT_EQ(mesh.indexCount, 6); }},
        {"positions only, negative indices", "bare.obj",
         [](const std::string& p) { writeBytes(p, "v 0 0 0\nv 2 0 0\nv 0 2 0\nf -3 -2 -1\n"); }, {true, ""},
         [](const Image&, const Mesh& mesh) {
             ASSERT_EQ(mesh.vertexCount, 3);
             // Counter-clockwise seen from +z: the computed normal is +z; no
             // texture coordinate means the picture's corner.
             EXPECT_EQ(std::vector<float>(mesh.normals, mesh.normals + 3), (std::vector<float>{0, 0, 1}));
             EXPECT_EQ(std::vector<float>(mesh.texCoords, mesh.texCoords + 2), (std::vector<float>{0, 0}));
         }},
        {"decimal commas", "commas.obj",
         [](const std::string& p) {
             writeBytes(p, "v 0 0 0\nv 1,5 0 0\nv 0 2,25 -0,5\nvt 0 0\nvn 0 0 1\nf 1/1/1 2/1/1 3/1/1\n");
         },
         {true, ""},
         [](const Image&, const Mesh& mesh) {
             ASSERT_EQ(mesh.vertexCount, 3);
             EXPECT_EQ(std::vector<float>(mesh.positions + 3, mesh.positions + 9),
                       (std::vector<float>{1.5f, 0, 0, 0, 2.25f, -0.5f}));
         }},
        {"UTF-16", "wide.obj",
         [&](const std::string& p) {
             std::string wide = "\xFF\xFE";
             for (char c : std::string(triangle))
                 wide += std::string{c, '\0'};
             writeBytes(p, wide);
         },
         {false, "UTF-16"}, nullptr},
        {"carriage returns alone end the lines", "mac.obj",
         [&](const std::string& p) {
             std::string text = triangle;
             for (char& c : text)
                 c = c == '\n' ? '\r' : c;
             writeBytes(p, text);
         },
         {true, ""}, [](const Image&, const Mesh& mesh) { EXPECT_EQ(mesh.indexCount, 3); }},
        {"short v line", "short.obj",
         [](const std::string& p) {
             writeBytes(p, "v 0 0 5\nv 1 0\nv 0 1 0\nvt 0 0\nvn 0 0 1\nf 1/1/1 2/1/1 3/1/1\n");
         },
         {true, "(first: line 2)"}, nullptr},
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir() + "/" + c.file;
        c.make(path);
        const bool png = fs::path(path).extension() == ".png";
        std::string failure;
        MeshReadNotes notes;
        Image image;
        Mesh mesh("");
        if (png) {
            image = loadPng(path, &failure);
            EXPECT_EQ(!image.empty(), c.outcome.loads) << failure;
        } else {
            mesh = Mesh(path, &notes);
            failure = notes.refused;
            for (const std::string& clause : notes.leftOut)
                failure += clause;
            EXPECT_EQ(mesh.indexCount > 0, c.outcome.loads) << failure;
        }
        EXPECT_NE(failure.find(c.outcome.words), std::string::npos) << failure;
        if (std::string(c.outcome.words).empty()) {
            EXPECT_EQ(failure, "");
        }
        if (c.check && c.outcome.loads)
            c.check(image, mesh);
        delete[] mesh.positions;
        delete[] mesh.normals;
        delete[] mesh.texCoords;
        delete[] mesh.indices;
    }
}

}  // namespace
