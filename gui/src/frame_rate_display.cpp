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

PanelBox frameRatePanelBox(const FontAtlas& atlas)
{
    PanelBox box;
    box.width = 2 * panelPadding + labelColumnWidth(atlas) + columnGap + textWidth(atlas, widestValue);
    box.width = std::max(box.width, 2 * panelPadding + textWidth(atlas, frameRateTitle));
    box.height = titleHeight(atlas) + panelPadding / 2 + 2 * rowHeight(atlas) + panelPadding / 2;
    box.x = windowMargin;
    box.y = windowMargin;
    return box;
}

void addFrameRatePanel(QuadBatch& batch, const FontAtlas& atlas, const Theme& theme, const FrameRateDisplay& display)
{
    const PanelBox box = frameRatePanelBox(atlas);
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
    addText(batch, atlas, frameRateTitle, textLeft, top - rowGap / 2 - atlas.ascent, theme.textStrong, theme.ink);

    const int valueLeft = textLeft + labelColumnWidth(atlas) + columnGap;
    const struct {
        const char* label;
        const char* value;
    } rows[] = {{frameTimeLabel, frameTime}, {framesPerSecondLabel, perSecond}};
    int rowTop = top - title - panelPadding / 2;
    for (const auto& row : rows) {
        const int baseline = rowTop - rowGap / 2 - atlas.ascent;
        addText(batch, atlas, row.label, textLeft, baseline, theme.text, theme.ink);
        addText(batch, atlas, row.value, valueLeft, baseline, theme.textStrong, theme.ink);
        rowTop -= rowHeight(atlas);
    }
}
