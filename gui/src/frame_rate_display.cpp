#include "frame_rate_display.h"

#include <algorithm>
#include <cstdio>

#include "overlay_layout.h"
#include "text_renderer.h"

namespace {

const char* const frameRateTitle = "Frame rate";
const char* const frameTimeLabel = "Frame time";
const char* const framesPerSecondLabel = "Frames per second";
// The widest value the panel makes room for, so it does not jump in size.
const char* const widestValue = "9999.9 ms";

int labelColumnWidth(const FontAtlas& atlas)
{
    return std::max(textWidth(atlas, frameTimeLabel), textWidth(atlas, framesPerSecondLabel));
}

}  // namespace

void noteFrame(FrameRateDisplay& display, OverlayClock::time_point now)
{
    if (display.hasLastFrame) {
        display.sampleSeconds += std::chrono::duration<double>(now - display.lastFrame).count();
        display.sampleFrames += 1;
    }
    display.lastFrame = now;
    display.hasLastFrame = true;
}

void toggleFrameRate(FrameRateDisplay& display)
{
    display.shown = !display.shown;
    if (display.shown) {
        display.sampleSeconds = 0.0;
        display.sampleFrames = 0;
        display.hasReading = false;
    }
}

void takeFrameRateReading(FrameRateDisplay& display)
{
    if (display.sampleFrames > 0 && display.sampleSeconds > 0.0) {
        display.frameMilliseconds = 1000.0 * display.sampleSeconds / display.sampleFrames;
        display.framesPerSecond = display.sampleFrames / display.sampleSeconds;
        display.hasReading = true;
    }
    display.sampleSeconds = 0.0;
    display.sampleFrames = 0;
}

namespace {

struct FrameRateLayout {
    PanelBox box;
    int labelColumn = 0;
    int valueColumn = 0;
};

FrameRateLayout frameRateLayout(const FontAtlas& atlas, int below, int maxWidth)
{
    FrameRateLayout layout;
    layout.labelColumn = labelColumnWidth(atlas);
    layout.valueColumn = textWidth(atlas, widestValue);
    fitColumns(layout.labelColumn, layout.valueColumn, maxWidth);
    PanelBox& box = layout.box;
    box.width = 2 * panelPadding + layout.labelColumn + columnGap + layout.valueColumn;
    box.width = std::max(box.width, std::min(maxWidth, 2 * panelPadding + textWidth(atlas, frameRateTitle)));
    box.height = titledPanelHeight(atlas, 2);
    box.x = windowMargin;
    box.y = below + windowMargin;
    return layout;
}

}  // namespace

void addFrameRatePanel(QuadBatch& batch, const FontAtlas& atlas, const Theme& theme, const FrameRateDisplay& display,
                       int below, int maxWidth)
{
    const FrameRateLayout layout = frameRateLayout(atlas, below, maxWidth);
    const PanelBox& box = layout.box;
    int baseline = addTitledPanel(batch, atlas, theme, box, frameRateTitle, 1.0f);

    char frameTime[32] = "--";
    char perSecond[32] = "--";
    if (display.hasReading) {
        std::snprintf(frameTime, sizeof frameTime, "%.1f ms", std::min(display.frameMilliseconds, 9999.9));
        std::snprintf(perSecond, sizeof perSecond, "%.1f", std::min(display.framesPerSecond, 99999.9));
    }

    const int textLeft = box.x + panelPadding;
    const int textRight = box.x + box.width - panelPadding;
    const int labelRight = textLeft + layout.labelColumn;
    const int valueLeft = labelRight + columnGap;
    const struct {
        const char* label;
        const char* value;
    } rows[] = {{frameTimeLabel, frameTime}, {framesPerSecondLabel, perSecond}};
    for (const auto& row : rows) {
        addText(batch, atlas, row.label, textLeft, baseline, theme.text, theme.ink, labelRight);
        addText(batch, atlas, row.value, valueLeft, baseline, theme.textStrong, theme.ink, textRight);
        baseline -= panelRowHeight(atlas);
    }
}
