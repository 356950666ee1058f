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
#include "panel_placement.h"

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

}  // namespace
