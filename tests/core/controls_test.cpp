// Every control of the program's table is listed wherever a user looks for
// the controls: the README's table, the manual page and --help (the help
// panel takes its rows from the table itself).
#include <cctype>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/command_line.h"
#include "language/translation.h"
#include "logic/controls.h"
#include "program_runner.h"

namespace {

std::string readSource(const std::string& relative)
{
    std::ifstream in(std::string(MARIVANE_SOURCE_DIR) + "/" + relative);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The lines after the heading `heading` up to the next one starting with `nextHeading`.
std::vector<std::string> section(const std::vector<std::string>& lines, const std::string& heading,
                                 const std::string& nextHeading)
{
    std::vector<std::string> body;
    bool inside = false;
    for (const std::string& line : lines) {
        if (line == heading) {
            inside = true;
            continue;
        }
        if (inside && line.rfind(nextHeading, 0) == 0)
            break;
        if (inside)
            body.push_back(line);
    }
    return body;
}

std::string trimmed(std::string s, const std::string& drop)
{
    std::string out;
    for (char c : s)
        if (drop.find(c) == std::string::npos)
            out += c;
    const auto first = out.find_first_not_of(' ');
    return first == std::string::npos ? "" : out.substr(first);
}

// The names each document gives to the controls it lists.
std::vector<std::string> readmeKeys()
{
    std::vector<std::string> keys;
    for (const std::string& line : section(linesOf(readSource("README.md")), "## Controls", "## "))
        if (line.rfind("| ", 0) == 0)
            keys.push_back(trimmed(line.substr(2, line.find(" |", 1) - 2), "`"));
    return keys;
}

// A control is the tag line after .TP, its markup taken off.
std::vector<std::string> manualPageKeysIn(const std::string& page, const std::string& heading)
{
    std::vector<std::string> keys;
    const std::vector<std::string> body = section(linesOf(readSource(page)), heading, ".SH ");
    for (std::size_t i = 0; i + 1 < body.size(); ++i) {
        if (body[i] != ".TP")
            continue;
        std::string tag = body[i + 1];
        for (const char* macro : {".BR ", ".B "})
            if (tag.rfind(macro, 0) == 0)
                tag = tag.substr(std::string(macro).size());
        keys.push_back(trimmed(tag, "\"\\"));
    }
    return keys;
}

std::vector<std::string> manualPageKeys()
{
    return manualPageKeysIn("docs/marivane.6", ".SH CONTROLS");
}

std::string helpText(const char* option)
{
    char program[] = "marivane";
    std::string argument = option;
    char* argv[] = {program, argument.data(), nullptr};
    testing::internal::CaptureStdout();
    const bool printed = printInformationRequested(2, argv);
    const std::string text = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(printed) << option;
    return text;
}

std::vector<std::string> helpKeys()
{
    // The indented lines under "Controls:", up to the blank line.
    std::vector<std::string> keys;
    bool inside = false;
    for (const std::string& line : linesOf(helpText("--help"))) {
        if (inside && line.empty())
            break;
        if (inside && line.rfind("  ", 0) == 0)
            keys.push_back(line.substr(2));
        inside = inside || line == "Controls:";
    }
    return keys;
}

// A listed name names the control when it starts with the control's keys and
// goes on, if at all, with something other than a letter or digit ("F1" is
// not "F11"; "Ctrl+Q, or closing the window" is Ctrl+Q).
bool names(const std::string& listed, const std::string& keys)
{
    return listed.rfind(keys, 0) == 0 &&
           (listed.size() == keys.size() || !std::isalnum(static_cast<unsigned char>(listed[keys.size()])));
}

// The Windows folder's README.txt as the build writes it: the lines under
// its "Controls" heading, up to the blank line.
std::vector<std::string> windowsReadmeControlLines()
{
    std::ifstream in(std::string(MARIVANE_BINARY_DIR) + "/windows/README.txt");
    std::stringstream text;
    text << in.rdbuf();
    std::vector<std::string> lines;
    bool inside = false;
    for (const std::string& line : linesOf(text.str())) {
        if (inside && line.empty())
            break;
        if (inside && line.rfind("---", 0) != 0)
            lines.push_back(line);
        inside = inside || line == "Controls";
    }
    return lines;
}

std::vector<std::string> windowsReadmeKeys()
{
    std::vector<std::string> keys;
    for (const std::string& line : windowsReadmeControlLines())
        if (line.rfind("  ", 0) == 0)
            keys.push_back(line.substr(2));
    return keys;
}

struct Listing {
    const char* name;
    const char* where;
    std::vector<std::string> (*keys)();
    // The language the document is written in: it names the keys as that
    // language's catalogue does.
    const char* language = "en";
};

void PrintTo(const Listing& listing, std::ostream* out)
{
    *out << listing.where;
}

class ControlsListed : public ::testing::TestWithParam<Listing> {};

TEST_P(ControlsListed, EveryControlOfTheTable)
{
    const std::vector<std::string> listed = GetParam().keys();
    ASSERT_FALSE(listed.empty()) << "no controls found in " << GetParam().where;
    chooseLanguage({GetParam().language});
    for (const Control& control : controls) {
        const std::string keys = tr(control.keys);
        bool found = false;
        for (const std::string& name : listed)
            found = found || names(name, keys);
        EXPECT_TRUE(found) << GetParam().where << " leaves out " << keys;
    }
    chooseLanguage({"en"});
}

std::string listingName(const ::testing::TestParamInfo<Listing>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Documents, ControlsListed,
                         ::testing::Values(Listing{"Readme", "the README's controls table", readmeKeys},
                                           Listing{"ManualPage", "the manual page's CONTROLS", manualPageKeys},
                                           Listing{"Help", "--help", helpKeys},
                                           Listing{"WindowsReadme", "the Windows README.txt", windowsReadmeKeys},
                                           Listing{"ManualPageDe", "the German manual page's STEUERUNG",
                                                   [] { return manualPageKeysIn("docs/marivane.de.6", ".SH STEUERUNG"); },
                                                   "de"},
                                           Listing{"ManualPageFr", "the French manual page's COMMANDES",
                                                   [] { return manualPageKeysIn("docs/marivane.fr.6", ".SH COMMANDES"); },
                                                   "fr"},
                                           Listing{"ManualPageEs", "the Spanish manual page's CONTROLES",
                                                   [] { return manualPageKeysIn("docs/marivane.es.6", ".SH CONTROLES"); },
                                                   "es"}),
                         listingName);

// The Windows README.txt lists the controls exactly as --help does: both
// come from the one table, not from a copy that can fall behind.
TEST(HelpOption, TheWindowsReadmeListsTheControlsAsHelpDoes)
{
    std::vector<std::string> help;
    bool inside = false;
    for (const std::string& line : linesOf(helpText("--help"))) {
        if (inside && line.empty())
            break;
        if (inside)
            help.push_back(line);
        inside = inside || line == "Controls:";
    }
    const std::vector<std::string> readme = windowsReadmeControlLines();
    ASSERT_GE(readme.size(), help.size());
    EXPECT_EQ(std::vector<std::string>(readme.begin(), readme.begin() + static_cast<std::ptrdiff_t>(help.size())), help);
}

TEST(HelpOption, ShortFormPrintsTheSameText)
{
    const std::string text = helpText("--help");
    EXPECT_EQ(helpText("-h"), text);
    EXPECT_EQ(text.rfind("Usage: marivane", 0), 0u) << text;
}

}  // namespace
