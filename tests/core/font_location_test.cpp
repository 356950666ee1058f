#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/font_location.h"
#include "program_runner.h"

namespace {

TEST(FontLocation, WindowsFormAppendsExactlyTheFontsSuffix)
{
    EXPECT_EQ(windowsFontPath("C:\\WINDOWS"), "C:\\WINDOWS\\Fonts\\verdana.TTF");
    // Nothing is added or removed: a trailing backslash doubles.
    EXPECT_EQ(windowsFontPath("C:\\WINDOWS\\"), "C:\\WINDOWS\\\\Fonts\\verdana.TTF");
    EXPECT_EQ(windowsFontPath(""), "\\Fonts\\verdana.TTF");
}

TEST(FontLocation, WithoutWindirFontconfigGivesAReadableFile)
{
    unsetenv("windir");
    char* path = makeFontPath();
    ASSERT_NE(path, nullptr);
    std::string found(path);
    delete[] path;
    ASSERT_FALSE(found.empty());
    EXPECT_TRUE(std::filesystem::is_regular_file(found)) << found;
}

TEST(FontLocation, WindirWinsWhenSet)
{
    setenv("windir", "D:\\OS", 1);
    char* path = makeFontPath();
    EXPECT_STREQ(path, "D:\\OS\\Fonts\\verdana.TTF");
    delete[] path;
    unsetenv("windir");
}

// The Windows order: windir's Verdana, then the font shipped beside the
// program; a warning only when no place gives a readable file.
struct FontPlaces {
    const char* name;
    std::vector<const char*> places;  // "font", "empty", "folder" or "missing", in this order
    int chosen;                       // index into places
    bool warns;
};

void PrintTo(const FontPlaces& places, std::ostream* out)
{
    *out << places.name;
}

class FirstReadableFont : public ::testing::TestWithParam<FontPlaces> {
protected:
    void SetUp() override
    {
        // A folder of its own: the cases run side by side.
        folder = makeTempDir();
        ASSERT_FALSE(folder.empty());
        std::filesystem::create_directories(folder / "folder");
        std::ofstream(folder / "font", std::ios::binary) << "ttf bytes";
        std::ofstream(folder / "empty", std::ios::binary);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
};

TEST_P(FirstReadableFont, TakesTheFirstFileThatReadsAndWarnsOnlyWhenNoneDoes)
{
    std::vector<std::string> places;
    for (const char* kind : GetParam().places)
        places.push_back((folder / kind).string());
    const FontChoice choice = firstReadableFont(places);
    EXPECT_EQ(choice.path, places[static_cast<std::size_t>(GetParam().chosen)]);
    if (!GetParam().warns) {
        EXPECT_EQ(choice.warning, "");
        return;
    }
    EXPECT_EQ(choice.warning.rfind("Warning: ", 0), 0u) << choice.warning;
    for (const std::string& place : places)
        EXPECT_NE(choice.warning.find(place), std::string::npos) << choice.warning;
    EXPECT_NE(choice.warning.find("without text"), std::string::npos) << choice.warning;
}

INSTANTIATE_TEST_SUITE_P(
    Places, FirstReadableFont,
    ::testing::Values(FontPlaces{"SystemFontFirst", {"font", "missing"}, 0, false},
                      FontPlaces{"ShippedFontWhenTheSystemHasNone", {"missing", "font"}, 1, false},
                      FontPlaces{"AnEmptyFileIsNoFont", {"empty", "font"}, 1, false},
                      FontPlaces{"AFolderIsNoFont", {"folder", "font"}, 1, false},
                      FontPlaces{"NeitherReadable", {"missing", "empty"}, 0, true},
                      FontPlaces{"NeitherReadableFolder", {"folder", "missing"}, 0, true}),
    [](const ::testing::TestParamInfo<FontPlaces>& info) { return info.param.name; });

}  // namespace
