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

int titleHeight(const FontAtlas& atlas)
{
    return atlas.lineHeight + rowGap;
}

int rowHeight(const FontAtlas& atlas)
{
    return atlas.lineHeight + rowGap;
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

FrameRateLayout frameRateLayout(const FontAtlas& atlas)
{
    FrameRateLayout layout;
    layout.labelColumn = labelColumnWidth(atlas);
    layout.valueColumn = textWidth(atlas, widestValue);
    fitColumns(layout.labelColumn, layout.valueColumn);
    PanelBox& box = layout.box;
    box.width = 2 * panelPadding + layout.labelColumn + columnGap + layout.valueColumn;
    box.width = std::max(box.width, std::min(maxPanelWidth, 2 * panelPadding + textWidth(atlas, frameRateTitle)));
    box.height = titleHeight(atlas) + panelPadding / 2 + 2 * rowHeight(atlas) + panelPadding / 2;
    box.x = windowMargin;
    box.y = windowMargin;
    return layout;
}

}  // namespace

PanelBox frameRatePanelBox(const FontAtlas& atlas)
{
    return frameRateLayout(atlas).box;
}

void addFrameRatePanel(QuadBatch& batch, const FontAtlas& atlas, const Theme& theme, const FrameRateDisplay& display)
{
    const FrameRateLayout layout = frameRateLayout(atlas);
    const PanelBox& box = layout.box;
    const int title = titleHeight(atlas);
    addPanel(batch, theme, box, title, 1.0f);

    char frameTime[32] = "--";
    char perSecond[32] = "--";
    if (display.hasReading) {
        std::snprintf(frameTime, sizeof frameTime, "%.1f ms", std::min(display.frameMilliseconds, 9999.9));
        std::snprintf(perSecond, sizeof perSecond, "%.1f", std::min(display.framesPerSecond, 99999.9));
    }

    const int top = box.y + box.height;
    const int textLeft = box.x + panelPadding;
    const int textRight = box.x + box.width - panelPadding;
    addText(batch, atlas, frameRateTitle, textLeft, top - rowGap / 2 - atlas.ascent, theme.textStrong, theme.ink,
            textRight);

    const int labelRight = textLeft + layout.labelColumn;
    const int valueLeft = labelRight + columnGap;
    const struct {
        const char* label;
        const char* value;
    } rows[] = {{frameTimeLabel, frameTime}, {framesPerSecondLabel, perSecond}};
    int rowTop = top - title - panelPadding / 2;
    for (const auto& row : rows) {
        const int baseline = rowTop - rowGap / 2 - atlas.ascent;
        addText(batch, atlas, row.label, textLeft, baseline, theme.text, theme.ink, labelRight);
        addText(batch, atlas, row.value, valueLeft, baseline, theme.textStrong, theme.ink, textRight);
        rowTop -= rowHeight(atlas);
    }
}
