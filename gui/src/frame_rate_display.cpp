#include "frame_rate_display.h"

#include <algorithm>
#include <cstdio>

#include "text_renderer.h"

namespace {

const char* const frameRateTitle = "Frame rate";
const char* const frameTimeLabel = "Frame time";
const char* const framesPerSecondLabel = "Frames per second";
// The widest value the panel makes room for, so it does not jump in size.
const char* const widestValue = "9999.9 ms";
// Its short form has both figures on one row, held to four digits before
// the point so it stays narrow enough to stand beside the others in a small
// window.
const char* const widestOneRow = "999.9 ms, 9999.9 fps";

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
    ++display.version;
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
        ++display.version;
    }
    display.sampleSeconds = 0.0;
    display.sampleFrames = 0;
}

namespace {

struct FrameRateColumns {
    int labels = 0;
    int values = 0;
};

FrameRateColumns frameRateColumns(const PanelStyle& style, int maxWidth)
{
    FrameRateColumns columns{labelColumnWidth(style.atlas), textWidth(style.atlas, widestValue)};
    fitColumns(style.size, columns.labels, columns.values, maxWidth);
    return columns;
}

}  // namespace

PanelBox frameRatePanelSize(const PanelStyle& style, int maxWidth)
{
    const OverlayMetrics& m = style.size;
    PanelBox box;
    if (m.compact) {
        const int widest = std::max(textWidth(style.atlas, widestOneRow), textWidth(style.atlas, frameRateTitle));
        box.width = std::min(maxWidth, 2 * m.panelPadding + widest);
        box.height = titledPanelHeight(style, 1);
        return box;
    }
    const FrameRateColumns columns = frameRateColumns(style, maxWidth);
    box.width = 2 * m.panelPadding + columns.labels + m.columnGap + columns.values;
    box.width = std::max(box.width, std::min(maxWidth, 2 * m.panelPadding + textWidth(style.atlas, frameRateTitle)));
    box.height = titledPanelHeight(style, 2);
    return box;
}

void addFrameRatePanel(QuadBatch& batch, const PanelStyle& style, const FrameRateDisplay& display, const PanelBox& box)
{
    const OverlayMetrics& m = style.size;
    const FrameRateColumns columns = frameRateColumns(style, box.width);
    int baseline = addTitledPanel(batch, style, box, frameRateTitle);

    char frameTime[32] = "--";
    char perSecond[32] = "--";
    if (display.hasReading) {
        std::snprintf(frameTime, sizeof frameTime, "%.1f ms", std::min(display.frameMilliseconds, 9999.9));
        std::snprintf(perSecond, sizeof perSecond, "%.1f", std::min(display.framesPerSecond, 99999.9));
    }

    const int textLeft = box.x + m.panelPadding;
    const int textRight = box.x + box.width - m.panelPadding;
    if (m.compact) {
        char both[80] = "--";
        if (display.hasReading)
            std::snprintf(both, sizeof both, "%.1f ms, %.1f fps", std::min(display.frameMilliseconds, 999.9),
                          std::min(display.framesPerSecond, 9999.9));
        addText(batch, style, both, textLeft, baseline, style.theme.textStrong, textRight);
        return;
    }
    const int labelRight = textLeft + columns.labels;
    const int valueLeft = labelRight + m.columnGap;
    const struct {
        const char* label;
        const char* value;
    } rows[] = {{frameTimeLabel, frameTime}, {framesPerSecondLabel, perSecond}};
    for (const auto& row : rows) {
        addText(batch, style, row.label, textLeft, baseline, style.theme.text, labelRight);
        addText(batch, style, row.value, valueLeft, baseline, style.theme.textStrong, textRight);
        baseline -= panelRowHeight(style);
    }
}
