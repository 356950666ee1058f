// The depth readout a projector needs: the depth set large enough to read
// across a room, in every colour model, in full screen with the model's name
// on its line, in the window with the name under it.
#include <string>

#include <gtest/gtest.h>

#include "app/colour_overlay.h"
#include "orlin_recording.h"
#include "state/program_state.h"

namespace {

const float grey[4] = {0.5f, 0.5f, 0.5f, 1.0f};

int lastLabelHeight()
{
    const std::vector<OrlinCall> calls = orlinCallsNamed("setLabelHeight");
    return calls.empty() ? 0 : calls.back().args[0];
}

TEST(DepthReadout, LargeInFullScreenAndInTheWindowInEveryModel)
{
    guiContext = new OrlinContext(640, 480, "", grey, grey, grey, grey, grey, grey, grey, grey, grey, false);
    clearOrlinCalls();
    const struct {
        int model;
        float depth;
        const char* label;
        const char* windowLabel;
    } rows[] = {
        {0, 40.0f, "Simple rule, depth 40", "depth 40"},
        {1, 5.0f, "Clear ocean, 5 m / 16 ft", "5 m / 16 ft"},
        {3, 30.0f, "Green coastal water, 30 m / 98 ft", "30 m / 98 ft"},
    };
    for (const auto& row : rows) {
        colourModel = row.model;
        depth = row.depth;
        fullScreen = true;
        windowWidth = 1920;
        windowHeight = 1080;
        syncColourOverlay();
        EXPECT_EQ(orlinConstructorArgs().label, row.label);
        // Digits are about 0.73 of the font size: at least 6 % of 1080 rows.
        EXPECT_GE(lastLabelHeight() * 0.73, 0.06 * 1080) << row.label;
        fullScreen = false;
        windowWidth = 640;
        windowHeight = 480;
        syncColourOverlay();
        EXPECT_EQ(orlinConstructorArgs().label, row.windowLabel);
        EXPECT_GE(lastLabelHeight() * 0.73, 0.06 * 480) << row.windowLabel;
        // The name under the figures: one caption, right-aligned at the gauge's
        // right edge, below the label's top.
        const std::vector<OrlinCall> captions = orlinCallsNamed("setCaptions");
        ASSERT_FALSE(captions.empty()) << row.windowLabel;
        ASSERT_EQ(captions.back().args.size(), 2u) << row.windowLabel;
        EXPECT_LT(captions.back().args[1], orlinCallsNamed("setLabel").back().args[1]) << row.windowLabel;
    }
    EXPECT_EQ(orlinConstructorArgs().label, "30 m / 98 ft");
    colourModel = 0;
    depth = 10.0f;
    delete guiContext;
    guiContext = nullptr;
}

}  // namespace
