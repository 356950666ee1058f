// The depth readout a projector needs: in full screen the label is the depth
// with the model's name, set large enough to read across a room, in every
// colour model; back in the window it is as it was.
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

TEST(DepthReadout, LargeInFullScreenInEveryModel)
{
    guiContext = new OrlinContext(640, 480, "", grey, grey, grey, grey, grey, grey, grey, grey, grey, false);
    clearOrlinCalls();
    const struct {
        int model;
        float depth;
        const char* label;
    } rows[] = {
        {0, 40.0f, "Simple rule, depth 40"},
        {1, 5.0f, "Clear ocean, 5 m / 16 ft"},
        {3, 30.0f, "Green coastal water, 30 m / 98 ft"},
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
        EXPECT_EQ(lastLabelHeight(), 0) << "the window keeps the overlay's own font";
    }
    EXPECT_EQ(orlinConstructorArgs().label, "Green coastal water, 30 m / 98 ft");
    colourModel = 0;
    depth = 10.0f;
    delete guiContext;
    guiContext = nullptr;
}

}  // namespace
