// A broken asset folder, end to end: whatever the twelve files hold, the
// program starts, keeps drawing, names each broken file on standard error and
// ends with status 0 on Ctrl+Q. Each file's fault is independent of the
// others, so one start breaks all twelve files the same way.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/asset_notice.h"
#include "assets/texture_set.h"
#include "program_fixture.h"

namespace fs = std::filesystem;

namespace {

const char* const meshFile = "mackerel.obj";

std::vector<std::string> pngFiles()
{
    std::vector<std::string> names;
    for (const TextureFile& entry : textureFiles)
        names.emplace_back(entry.fileName);
    return names;
}

std::vector<std::string> allAssetFiles()
{
    std::vector<std::string> names = pngFiles();
    names.emplace_back(meshFile);
    return names;
}

bool isPng(const std::string& name)
{
    return name.size() > 4 && name.compare(name.size() - 4, 4, ".png") == 0;
}

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::uint32_t crc32(const std::string& bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::string bigEndian(std::uint32_t value)
{
    return {static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
            static_cast<char>(value)};
}

std::string pngChunk(const std::string& type, const std::string& data)
{
    return bigEndian(static_cast<std::uint32_t>(data.size())) + type + data + bigEndian(crc32(type + data));
}

// A well-formed PNG whose header claims 65535 x 65535 RGBA pixels: 16 GiB
// that no texture can hold. It must be refused before anything is allocated.
std::string hugeHeaderPng()
{
    const std::string signature("\x89PNG\r\n\x1a\n", 8);
    std::string header = bigEndian(65535) + bigEndian(65535);
    header += std::string{8, 6, 0, 0, 0};  // 8 bits, RGBA, deflate, no filter, no interlace
    return signature + pngChunk("IHDR", header) + pngChunk("IDAT", std::string("\x78\x01", 2)) + pngChunk("IEND", "");
}

std::string randomBytes(std::uint32_t seed, std::size_t count)
{
    std::mt19937 generator(seed);
    std::string bytes(count, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(generator() & 0xFFu);
    return bytes;
}

// A PNG cut in half fails inside libpng. An OBJ cut at a line break is a
// smaller valid mesh that nobody can tell apart, so the mesh is cut where a
// half-written file is recognisable: right after the first face's first corner.
std::string truncated(const std::string& name, const std::string& whole)
{
    if (isPng(name))
        return whole.substr(0, whole.size() / 2);
    std::size_t face = whole.compare(0, 2, "f ") == 0 ? 0 : whole.find("\nf ");
    if (face == std::string::npos)
        return {};
    if (whole[face] == '\n')
        ++face;
    std::size_t corner = whole.find_first_not_of(" \t", face + 1);
    std::size_t end = whole.find_first_of(" \t\r\n", corner);
    return whole.substr(0, end);
}

enum class Fault { missing, empty, truncated, randomBytes, hugeHeader };

struct FaultCase {
    const char* name;
    Fault fault;
};

void PrintTo(const FaultCase& faultCase, std::ostream* out)
{
    *out << faultCase.name;
}

// What standard error must say about a file broken this way, beyond naming it.
std::string expectedMeshMessage(Fault fault)
{
    switch (fault) {
    case Fault::missing: return "could not be used (missing";
    case Fault::empty: return "holds no faces";
    case Fault::truncated: return "face skipped";
    default: return "";
    }
}

class BadAssetsTest : public ProgramTest, public ::testing::WithParamInterface<FaultCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(assetsGenerated(allAssetFiles()));
        ProgramTest::SetUp();
    }

    // Breaks one file; returns false when this fault does not apply to it.
    bool breakFile(const std::string& name, Fault fault, std::uint32_t seed)
    {
        const std::string path = dir + "/" + name;
        switch (fault) {
        case Fault::missing:
            fs::remove(path);
            return true;
        case Fault::empty:
            writeBytes(path, "");
            return true;
        case Fault::truncated: {
            std::string cut = truncated(name, readFile(path));
            EXPECT_FALSE(cut.empty()) << name << " has nothing to cut";
            writeBytes(path, cut);
            return true;
        }
        case Fault::randomBytes:
            writeBytes(path, randomBytes(seed, 4096));
            return true;
        case Fault::hugeHeader:
            if (!isPng(name))
                return false;
            writeBytes(path, hugeHeaderPng());
            return true;
        }
        return false;
    }

    // Waits until standard error names every file in the list: the loaders
    // run after the first frame, so the window shows up before they finish.
    std::string waitForMessages(const std::vector<std::string>& names, double timeoutSeconds = 30.0)
    {
        std::string errors;
        for (double waited = 0.0; waited < timeoutSeconds; waited += 0.1) {
            errors = readFile(program.stderrPath);
            bool all = true;
            for (const std::string& name : names)
                all = all && errors.find("\"" + name + "\"") != std::string::npos;
            if (all)
                break;
            settle(0.1);
        }
        return errors;
    }

    // The program is still drawing: going ten units deeper darkens the whole
    // scene and moves the gauge arrow, so a large share of the pixels change.
    void expectDrawing()
    {
        Image before = screenshot(program, dir + "/before.png");
        ASSERT_EQ(before.width, 640u);
        ASSERT_EQ(before.height, 480u);
        sendKey(program, "Down", 10);
        settle(0.5);
        Image after = screenshot(program, dir + "/after.png");
        ASSERT_EQ(after.width, 640u);
        ASSERT_EQ(after.height, 480u);
        int changed = 0;
        for (int y = 0; y < 480; y += 4) {
            for (int x = 0; x < 640; x += 4) {
                Rgb a = pixelAt(before, x, y);
                Rgb b = pixelAt(after, x, y);
                if (std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) > 12)
                    ++changed;
            }
        }
        EXPECT_GT(changed, 160 * 120 / 4) << "the frame hardly changed after ten steps down: is it still drawn?";
    }

    void quitCleanly()
    {
        sendKey(program, "ctrl+q");
        EXPECT_EQ(waitForExit(program, 30.0), 0) << readFile(program.stderrPath);
        EXPECT_EQ(readFile(program.stdoutPath), "");
    }
};

TEST_P(BadAssetsTest, StartsDrawsNamesEveryBrokenFileAndQuits)
{
    const Fault fault = GetParam().fault;
    std::vector<std::string> broken;
    std::uint32_t seed = 1;
    for (const std::string& name : allAssetFiles())
        if (breakFile(name, fault, seed++))
            broken.push_back(name);
    ASSERT_FALSE(HasFailure());

    ASSERT_TRUE(startAndWaitForWindow({}, 30.0));
    const std::string errors = waitForMessages(broken);
    for (const std::string& name : broken) {
        EXPECT_NE(errors.find("\"" + name + "\""), std::string::npos) << name << " is not named:\n" << errors;
    }
    const std::string meshMessage = expectedMeshMessage(fault);
    if (!meshMessage.empty()) {
        EXPECT_NE(errors.find(meshMessage), std::string::npos) << errors;
    }
    ASSERT_TRUE(isRunning(program)) << errors;

    expectDrawing();
    quitCleanly();
}

INSTANTIATE_TEST_SUITE_P(EveryFile, BadAssetsTest,
                         ::testing::Values(FaultCase{"Missing", Fault::missing}, FaultCase{"Empty", Fault::empty},
                                           FaultCase{"Truncated", Fault::truncated},
                                           FaultCase{"RandomBytes", Fault::randomBytes},
                                           FaultCase{"HugeHeader", Fault::hugeHeader}),
                         [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

// Faces the loader cannot read safely are skipped, counted and reported; the
// rest of the fish is still drawn.
TEST_F(BadAssetsTest, MeshWithBadFacesReportsTheSkippedFaces)
{
    const std::string path = dir + "/" + meshFile;
    std::string mesh = readFile(path);
    if (!mesh.empty() && mesh.back() != '\n')
        mesh += '\n';
    mesh += "f 1/1/1 2/2/1\n"             // two corners
            "f 0/1/1 1/1/1 2/1/1\n"       // index 0
            "f -1/-1/-1 1/1/1 2/1/1\n"    // relative indices
            "f 1//1 2//1 3//1\n"          // no texture coordinate
            "f 99999999/1/1 1/1/1 2/1/1\n";  // beyond the list
    writeBytes(path, mesh);

    ASSERT_TRUE(startAndWaitForWindow({}, 30.0));
    const std::string errors = waitForMessages({meshFile});
    // The relative and the a//c corners are read; the other three are not.
    EXPECT_NE(errors.find("\"mackerel.obj\" in "), std::string::npos) << errors;
    EXPECT_NE(errors.find("3 faces skipped"), std::string::npos) << errors;
    ASSERT_TRUE(isRunning(program)) << errors;

    expectDrawing();
    quitCleanly();
}

// Standard error is not all: the window says it too, in the overlay's message
// panel in the bottom-right corner, for a few seconds after start-up.
TEST_F(BadAssetsTest, MissingRockShowsItsWarningInTheWindowForAFewSeconds)
{
    fs::remove(dir + "/rock.png");
    ASSERT_TRUE(startAndWaitForWindow({}, 30.0));
    const std::string errors = waitForMessages({"rock.png"});
    ASSERT_NE(errors.find("\"rock.png\""), std::string::npos) << errors;
    settle(0.5);
    // Below the fish, left of the depth's large figures under the gauge: the
    // message panel's place in the bottom-right corner, as near as the
    // readout leaves it, and nothing else of the overlay's there (the frame
    // rate is off).
    const ShotRegion bottomStrip{0, 285, 340, 480};
    const Image shown = screenshot(program, keptShotPath("asset_warning_in_window.png"));
    EXPECT_GT(overlayTextPixels(shown, bottomStrip), helpShownTextPixels / 2) << "no message in the window";
    // A few seconds later it is gone, and the program draws on.
    settle(assetNoticeLineMilliseconds / 1000.0 + 1.0);
    EXPECT_LT(overlayTextPixels(screenshot(program, dir + "/later.png"), bottomStrip), helpHiddenTextPixels)
        << "the message stays";
    quitCleanly();
}

}  // namespace
