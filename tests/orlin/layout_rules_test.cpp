// Orlin's layout rules on their own: where panels go, and how a message
// that is too wide is shortened.
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "font_atlas.h"
#include "overlay_layout.h"
#include "quad_batch.h"
#include "text_renderer.h"
#include "theme.h"
#include "message_text.h"
#include "overlay_plan.h"
#include "panel_placement.h"

#include <cmath>

#include "logic/controls.h"
#include "logic/fish_view.h"
#include "logic/gauge_geometry.h"
#include "state/program_state.h"

namespace {

// Without a font every character is as wide as every other, so widths are
// counts of characters.
class MessageFit : public ::testing::Test {
protected:
    FontAtlas atlas = buildFontAtlas(nullptr, 13, false);
    int widthOf(const std::string& text) const { return textWidth(atlas, text.c_str()); }
};

TEST_F(MessageFit, ShortensTheFoldersFromTheLeftAndNeverTheName)
{
    const std::string saved = "Saved /home/someone/Pictures/marivane-20261209-041443.png";
    const std::string failed = "Could not save the screenshot: /media/card/shots/marivane-1.png: Permission denied";
    const struct {
        std::string text;
        std::string roomFor;  // a text exactly as wide as the room
        std::string expected;
    } cases[] = {
        {saved, saved, saved},
        {saved, "Saved .../someone/Pictures/marivane-20261209-041443.png",
         "Saved .../someone/Pictures/marivane-20261209-041443.png"},
        {saved, "Saved .../Pictures/marivane-20261209-041443.png!",
         "Saved .../Pictures/marivane-20261209-041443.png"},
        {saved, "Saved .../marivane-20261209-041443.png", "Saved .../marivane-20261209-041443.png"},
        // No room even for that: the name still comes whole, the panel cuts the end.
        {saved, "Saved", "Saved .../marivane-20261209-041443.png"},
        {failed, "Could not save the screenshot: .../shots/marivane-1.png: Permission denied",
         "Could not save the screenshot: .../shots/marivane-1.png: Permission denied"},
        {"A message far too long for its panel, without a path", "short",
         "A message far too long for its panel, without a path"},
        {"Saved marivane.png into a folder named in no path", "short",
         "Saved marivane.png into a folder named in no path"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fitMessage(atlas, c.text, widthOf(c.roomFor)), c.expected) << "room for \"" << c.roomFor << "\"";
}

// Drawing clips whole glyphs at the right edge it is given: a text drawn
// within its measured width keeps every glyph, also where the last one's ink
// overhangs its advance (the "f" of "on or off" at larger sizes).
TEST(TextWidth, ATextDrawnInItsMeasuredWidthKeepsEveryGlyph)
{
    const char* font = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    // Colours do not matter here (theme.cpp is liborlin's alone: it also
    // defines the exported colours).
    Theme theme{};
    theme.text = {1.0f, 1.0f, 1.0f, 1.0f};
    for (int pixels : {13, 26, 58}) {
        const FontAtlas atlas = buildFontAtlas(font, pixels, false);
        ASSERT_TRUE(atlas.hasText) << "no font at " << font;
        const OverlayMetrics metrics = overlayMetrics(1.0f);
        const PanelStyle style{atlas, theme, metrics};
        for (const char* text : {"switch the diver's torch on or off", "of", "f", "Wolf"}) {
            QuadBatch batch;
            beginBatch(batch, atlas);
            addText(batch, style, text, 0, 0, theme.text, textWidth(atlas, text));
            QuadBatch unclipped;
            beginBatch(unclipped, atlas);
            addText(unclipped, style, text, 0, 0, theme.text, 1 << 20);
            // The shadow sits a line further right and has the same room more.
            EXPECT_EQ(batch.vertices.size(), unclipped.vertices.size()) << "\"" << text << "\" at " << pixels << " px";
        }
    }
}

// However many panels of whatever size, none comes closer than the gap to
// another or to an obstacle, and each lies inside the room, whenever the
// placement says it found room for all; the first one of each corner is in
// its corner.
TEST(PanelPlacement, PanelsNeverComeCloseToEachOtherOrToObstacles)
{
    const PanelRoom room{12, 12, 558, 468};
    const int gap = 12;
    std::mt19937 random(7);
    std::uniform_int_distribution<int> width(20, 300);
    std::uniform_int_distribution<int> height(20, 200);
    std::uniform_int_distribution<int> corner(0, 3);
    std::uniform_int_distribution<int> count(1, 6);
    int placedAll = 0;
    for (int round = 0; round < 2000; ++round) {
        std::vector<PanelRequest> requests;
        const int n = count(random);
        for (int i = 0; i < n; ++i)
            requests.push_back({width(random), height(random), static_cast<PanelCorner>(corner(random))});
        const std::vector<PanelBox> obstacles{{540, 98, 84, 14}};
        std::vector<PanelBox> boxes;
        if (!placePanels(requests, obstacles, room, gap, boxes))
            continue;
        ++placedAll;
        ASSERT_EQ(boxes.size(), requests.size());
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const PanelBox& a = boxes[i];
            EXPECT_EQ(a.width, requests[i].width);
            EXPECT_EQ(a.height, requests[i].height);
            EXPECT_TRUE(a.x >= room.left && a.y >= room.bottom && a.x + a.width <= room.right &&
                        a.y + a.height <= room.top)
                << "round " << round << ", panel " << i << " outside the room";
            EXPECT_FALSE(tooClose(a, obstacles[0], gap)) << "round " << round << ", panel " << i;
            for (std::size_t j = i + 1; j < boxes.size(); ++j)
                EXPECT_FALSE(tooClose(a, boxes[j], gap)) << "round " << round << ", panels " << i << " and " << j;
        }
        ASSERT_FALSE(HasFailure());
    }
    EXPECT_GT(placedAll, 500) << "the placement gave up on too many arrangements that fit";

    // Alone, a panel goes right into its corner.
    const struct {
        PanelCorner corner;
        int x, y;
    } corners[] = {{PanelCorner::topLeft, 12, 368},
                   {PanelCorner::topRight, 458, 368},
                   {PanelCorner::bottomLeft, 12, 12},
                   {PanelCorner::bottomRight, 458, 12}};
    for (const auto& c : corners) {
        std::vector<PanelBox> boxes;
        ASSERT_TRUE(placePanels({{100, 100, c.corner}}, {}, room, gap, boxes));
        EXPECT_EQ(boxes[0], (PanelBox{c.x, c.y, 100, 100}));
    }
}

// The help, the frame rate and the chart as they come at 640x480: the frame
// rate goes above the chart when there is room between it and the help, and
// beside them when there is not.
TEST(PanelPlacement, TheFrameRateGoesAboveTheChartOrBesideIt)
{
    const PanelRoom room{12, 12, 558, 468};
    std::vector<PanelBox> boxes;
    ASSERT_TRUE(placePanels({{340, 200, PanelCorner::topLeft}, {380, 150, PanelCorner::bottomLeft},
                             {200, 60, PanelCorner::bottomLeft}},
                            {}, room, 12, boxes));
    EXPECT_EQ(boxes[2], (PanelBox{12, 174, 200, 60})) << "not right above the chart";

    ASSERT_TRUE(placePanels({{340, 250, PanelCorner::topLeft}, {380, 150, PanelCorner::bottomLeft},
                             {150, 60, PanelCorner::bottomLeft}},
                            {}, room, 12, boxes));
    EXPECT_EQ(boxes[2], (PanelBox{404, 12, 150, 60})) << "not beside the chart";
}

// Where a fish's box (2.4 x 0.6 x 0.35 units) lands in a window, by the
// camera's own numbers: 60 degree field of view, eye 5 units from the focus
// point, the fish 1.5 units either side and one row each 1 unit nearer and
// farther. Window pixels, lower-left origin.
PanelBox fishOnScreen(double fx, double fz, int width, int height)
{
    const double t = std::tan(3.14159265358979323846 / 6.0);
    const double aspect = static_cast<double>(width) / height;
    double left = 1e9, right = -1e9, bottom = 1e9, top = -1e9;
    for (double dx : {-1.2, 1.2})
        for (double dy : {-0.3, 0.3})
            for (double dz : {-0.175, 0.175}) {
                const double depth = 5.0 - (fz + dz);
                const double x = width / 2.0 * (1.0 + (fx + dx) / (depth * t * aspect));
                const double y = height / 2.0 * (1.0 + dy / (depth * t));
                left = std::min(left, x);
                right = std::max(right, x);
                bottom = std::min(bottom, y);
                top = std::max(top, y);
            }
    return {static_cast<int>(left), static_cast<int>(bottom), static_cast<int>(right - left) + 1,
            static_cast<int>(top - bottom) + 1};
}

bool overlaps(const PanelBox& a, const PanelBox& b) { return tooClose(a, b, 0); }

// Every water's label, every combination of panels, in the window, in full
// screen and in a tiny window: no panel meets a fish, the label, the gauge's
// column or another panel. In the window and in full screen every panel asked
// for is there (smaller, or elsewhere); in the tiny window what does not fit
// is left out.
TEST(OverlayPlan, NoPanelCoversAFishTheLabelOrAnotherPanel)
{
    const char* font = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    Theme theme{};
    HelpPanel help;
    help.title = controlsTitle;
    for (const Control& control : controls) {
        help.rows.push_back({control.keys, control.action});
        if (control.briefKeys != nullptr)
            help.briefRows.push_back({control.briefKeys, control.briefAction});
    }
    const std::vector<unsigned char> rgb(6 * 4 * 3, 128);
    const std::vector<float> plot(81, 0.5f);
    const float colour[4] = {1, 0, 0, 1};
    const OrlinPlotLine lines[] = {{plot.data(), 81, colour}, {plot.data(), 81, colour}, {plot.data(), 81, colour}};
    const struct {
        const char* label;  // as the host writes it under the gauge
        const char* title;
        const char* atDepth;
    } waters[] = {
        {"Simple rule", "Colour chart: Simple rule", "at 30"},
        {"Clear ocean, 30 m / 98 ft", "Colour chart: Clear ocean", "30 m, 6× brighter"},
        {"Open ocean, 30 m / 98 ft", "Colour chart: Open ocean", "30 m, 169× brighter"},
        {"Green coastal water, 30 m / 98 ft", "Colour chart: Green coastal water",
         "30 m, 4096× brighter"},
    };
    const struct {
        int width, height;
        bool fullScreen;
        bool everyPanelFits;
    } windows[] = {{640, 480, false, true}, {1920, 1080, true, true}, {320, 200, false, false}};
    const std::string assetMessage = "texture \"mackerel_texture_red.png\" not loaded (missing; looked in "
                                     "/home/teacher/Downloads/marivane-1.0/mackerel_texture_red.png and "
                                     "/usr/share/marivane/mackerel_texture_red.png); drawing without it";

    for (const auto& window : windows) {
        fullScreen = window.fullScreen;
        windowWidth = window.width;
        windowHeight = window.height;
        const GaugeOrigin gauge = gaugeOrigin();
        const OverlayMetrics metrics = overlayMetrics(gauge.scale);
        const FontAtlas atlas = buildFontAtlas(font, metrics.fontPixelSize, false);
        ASSERT_TRUE(atlas.hasText) << "no font at " << font;
        const int keepLeftOf = std::min(static_cast<int>(gaugeLeftEdge()), window.width);
        std::vector<PanelBox> fish;
        for (double fx : {1.5, -1.5})
            for (double fz : {1.0, 0.0, -1.0})
                fish.push_back(fishOnScreen(fx, fz, window.width, window.height));
        for (const auto& water : waters) {
            const OrlinSwatchGroup groups[] = {{"surface", 6, 4, rgb.data()},
                                               {water.atDepth, 6, 4, rgb.data()},
                                               {"white-balanced", 6, 4, rgb.data()}};
            const char* const lineNames[] = {"red", "green", "blue"};
            OrlinChart content{water.title, groups, 3, lines, 3, 0.25f, "10 m", "90 m"};
            content.lineNames = lineNames;
            content.legendTail = "light left";
            content.percentScale = true;
            content.markerLabel = "30 m";
            const char* const notes[] = {nullptr, nullptr, "red gone: no balance brings it back"};
            content.groupNotes = notes;
            const OrlinPlotMark marks[] = {{0.2f, colour, "red gone"}, {0.3f, colour, "orange gone"},
                                           {0.5f, colour, "yellow gone"}};
            content.marks = marks;
            content.markCount = 3;
            const std::vector<unsigned char> band(61 * 3, 200);
            content.band = band.data();
            content.bandCount = 61;
            content.bandLabel = "daylight at 30 m, 400 to 700 nm";
            ChartPanel chart;
            setChartContent(chart, &content);
            for (int combination = 0; combination < 48; ++combination) {
                const int helpState = combination % 3;  // shown, its hint, neither
                help.shown = helpState == 0;
                help.hintShown = helpState == 1;
                chart.shown = (combination / 3) % 2 == 1;
                OverlayContent shown;
                shown.help = &help;
                shown.chart = &chart;
                shown.frameRateShown = (combination / 6) % 2 == 1;
                shown.notice = (combination / 12) % 2 == 1 ? "Slow dive: F5 to stop" : "";
                shown.message = (combination / 24) % 2 == 1 ? assetMessage : "";
                shown.label = labelBoxOf(atlas, metrics, water.label, static_cast<int>(gaugeRightEdge()),
                                         static_cast<int>(gauge.y - 6.0f * gauge.scale));
                for (const WindowRect& area : fishWindowAreas(window.width, window.height))
                    shown.keepClear.push_back({area.x, area.y, area.width, area.height});
                const OverlayPlan plan =
                    planOverlay(atlas, theme, metrics, shown, {window.width, window.height, keepLeftOf});

                const std::string where = std::to_string(window.width) + "x" + std::to_string(window.height) +
                                          ", " + water.label + ", combination " + std::to_string(combination);
                const bool asked[panelSlots] = {help.shown, help.hintShown, chart.shown, shown.frameRateShown,
                                                !shown.notice.empty(), !shown.message.empty()};
                for (int slot = 0; slot < panelSlots; ++slot) {
                    const PanelBox& box = plan.boxes[slot];
                    if (box.width <= 0) {
                        if (window.everyPanelFits) {
                            EXPECT_FALSE(asked[slot]) << where << ": panel " << slot << " left out";
                        }
                        continue;
                    }
                    EXPECT_TRUE(box.x >= 0 && box.y >= 0 && box.x + box.width <= keepLeftOf &&
                                box.y + box.height <= window.height)
                        << where << ": panel " << slot << " outside the room";
                    for (const PanelBox& f : fish)
                        EXPECT_FALSE(overlaps(box, f)) << where << ": panel " << slot << " covers a fish";
                    EXPECT_FALSE(overlaps(box, shown.label)) << where << ": panel " << slot << " covers the label";
                    for (int other = slot + 1; other < panelSlots; ++other)
                        EXPECT_FALSE(plan.boxes[other].width > 0 && overlaps(box, plan.boxes[other]))
                            << where << ": panels " << slot << " and " << other << " overlap";
                }
                ASSERT_FALSE(HasFailure());
            }
        }
    }
    fullScreen = false;
    windowWidth = initialWindowWidth;
    windowHeight = initialWindowHeight;
}

}  // namespace
