#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "platform/font_location.h"

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

}  // namespace
