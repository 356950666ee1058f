// The program in the user's language: --help and the panels under LANGUAGE
// and LANG, English for a language that is not shipped, and every panel of
// every shipped language whole and uncut in the 640 x 480 window.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "program_fixture.h"

namespace {

// The environment to start the program with: only `setting` chooses.
std::string languageEnvironment(const std::string& setting)
{
    return "env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG " + setting + " ";
}

// A line of --help's controls: the key, spaces, what it does.
bool listsControl(const std::vector<std::string>& lines, const std::string& keys, const std::string& action)
{
    for (const std::string& line : lines) {
        const std::string start = "  " + keys + " ";
        if (line.rfind(start, 0) == 0 && line.size() > start.size() + action.size() &&
            line.compare(line.size() - action.size(), action.size(), action) == 0 &&
            line.find_first_not_of(' ', start.size()) == line.size() - action.size())
            return true;
    }
    return false;
}

TEST(LanguageEndToEnd, HelpOptionSpeaksTheLanguageAskedFor)
{
    const struct {
        std::string setting;
        std::string heading;  // from the catalogues
        std::string keys;
        std::string action;
    } cases[] = {
        {"LANGUAGE=de", "Steuerung:", "Pos1", "wieder geradeaus blicken"},
        {"LANGUAGE=de_AT:fr", "Steuerung:", "Strg+Q", "beenden"},
        {"LANGUAGE=xx:fr_CA LANG=de_DE.UTF-8", "Commandes\u00a0:", "Début", "regarder droit devant"},
        {"LANG=fr_FR.UTF-8", "Commandes\u00a0:", "Échap", "quitter le plein écran\u00a0; en fenêtre, fermer un panneau"},
        {"LC_MESSAGES=es_ES.UTF-8 LANG=de_DE.UTF-8", "Controles:", "Inicio", "volver a mirar al frente"},
        {"LC_ALL=es_MX.UTF-8 LC_MESSAGES=de_DE.UTF-8", "Controles:", "Esc", "salir de pantalla completa; en ventana, cerrar un panel"},
        // Not shipped, or asking for the C locale: English.
        {"LANGUAGE=xx:yy LANG=C", "Controls:", "Home", "look straight ahead again"},
        {"LANGUAGE=pt_BR LANG=pt_BR.UTF-8", "Controls:", "Escape", "leave full screen; in the window close a panel"},
        {"LANG=C", "Controls:", "Ctrl+Q", "quit"},
        {"LANG=", "Controls:", "Ctrl+Q", "quit"},
    };
    for (const auto& c : cases) {
        std::string output;
        EXPECT_EQ(runCommand(languageEnvironment(c.setting) + programPath() + " --help", &output), 0) << c.setting;
        const std::vector<std::string> lines = linesOf(output);
        EXPECT_NE(std::find(lines.begin(), lines.end(), c.heading), lines.end())
            << c.setting << ": no heading \"" << c.heading << "\" in\n" << output;
        EXPECT_TRUE(listsControl(lines, c.keys, c.action)) << c.setting << ": no line for " << c.keys << " in\n" << output;
    }
}

class PanelsInEachLanguage : public ProgramTest, public ::testing::WithParamInterface<const char*> {};

// With the help, the frame rate and the chart all on, each panel is whole
// (its edge closes into a rectangle), apart from the others and narrower than
// the widest it may be left of the gauge: a panel at that width has had its
// columns squeezed and its text cut.
TEST_P(PanelsInEachLanguage, LongestTextsFitAt640x480)
{
    const std::string language = GetParam();
    ASSERT_TRUE(startAndWaitForWindow({"LANGUAGE=" + language}));
    sendKey(program, "F3");  // a measured water: the chart's longest labels
    sendKey(program, "F2");
    sendKey(program, "F4");
    sendKey(program, "Down", 30);
    settle(1.5);
    const Image all = screenshot(program, keptShotPath("panels_" + language + ".png"));
    ASSERT_NE(all.pixels, nullptr);
    ASSERT_EQ(all.width, 640u);
    ASSERT_EQ(all.height, 480u);
    const std::vector<ShotRegion> panels = panelOutlines(all);
    ASSERT_EQ(panels.size(), 3u) << "not three whole panels";
    // The gauge's column starts at 570; panels keep a margin of 12 before it.
    const int widestRight = 570 - 12;
    for (std::size_t i = 0; i < panels.size(); ++i) {
        EXPECT_LT(panels[i].x1, widestRight) << "panel " << i << " is as wide as it may be: its text is cut";
        for (std::size_t j = i + 1; j < panels.size(); ++j) {
            const ShotRegion& a = panels[i];
            const ShotRegion& b = panels[j];
            EXPECT_TRUE(a.x1 <= b.x0 || b.x1 <= a.x0 || a.y1 <= b.y0 || b.y1 <= a.y0)
                << "panels " << i << " and " << j << " intersect";
        }
    }
    EXPECT_GE(overlayTextPixels(all, helpPanelRegion), helpShownTextPixels) << "the help is not readable";
}

INSTANTIATE_TEST_SUITE_P(Shipped, PanelsInEachLanguage, ::testing::Values("en", "de", "fr", "es"));

}  // namespace
