#include "frame_rate_display.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "library_texts.h"
#include "text_renderer.h"

namespace {

const char* frameRateTitle()
{
    return orlinText("Frame rate");
}

const char* frameTimeLabel()
{
    return orlinText("Frame time");
}

const char* framesPerSecondLabel()
{
    return orlinText("Frames per second");
}

// The figures as shown: the frame time in milliseconds, and in the short
// form both figures on one row.
std::string frameTimeText(double milliseconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", milliseconds);
    char shown[64];
    std::snprintf(shown, sizeof shown, orlinText("%s ms"), withDecimalSeparator(text).c_str());
    return shown;
}

std::string perSecondText(double perSecond)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", perSecond);
    return withDecimalSeparator(text);
}

std::string oneRowText(const std::string& frameTime, const std::string& perSecond)
{
    char both[128];
    std::snprintf(both, sizeof both, orlinText("%s, %s fps"), frameTime.c_str(), perSecond.c_str());
    return both;
}

// The widest value the panel makes room for, so it does not jump in size.
// The widest value the panel makes room for, so it does not jump in size.
std::string widestValue()
{
    return frameTimeText(9999.9);
}

// Its short form has both figures on one row, held to four digits before
// the point so it stays narrow enough to stand beside the others in a small
// window.
std::string widestOneRow()
{
    return oneRowText(frameTimeText(999.9), perSecondText(9999.9));
}

int labelColumnWidth(const FontAtlas& atlas)
{
    return std::max(textWidth(atlas, frameTimeLabel()), textWidth(atlas, framesPerSecondLabel()));
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
    FrameRateColumns columns{labelColumnWidth(style.atlas), textWidth(style.atlas, widestValue().c_str())};
    fitColumns(style.size, columns.labels, columns.values, maxWidth);
    return columns;
}

}  // namespace

PanelBox frameRatePanelSize(const PanelStyle& style, int maxWidth)
{
    const OverlayMetrics& m = style.size;
    PanelBox box;
    if (m.compact) {
        const int widest = std::max(textWidth(style.atlas, widestOneRow().c_str()), textWidth(style.atlas, frameRateTitle()));
        box.width = std::min(maxWidth, 2 * m.panelPadding + widest);
        box.height = titledPanelHeight(style, 1);
        return box;
    }
    const FrameRateColumns columns = frameRateColumns(style, maxWidth);
    box.width = 2 * m.panelPadding + columns.labels + m.columnGap + columns.values;
    box.width = std::max(box.width, std::min(maxWidth, 2 * m.panelPadding + textWidth(style.atlas, frameRateTitle())));
    box.height = titledPanelHeight(style, 2);
    return box;
}

void addFrameRatePanel(QuadBatch& batch, const PanelStyle& style, const FrameRateDisplay& display, const PanelBox& box)
{
    const OverlayMetrics& m = style.size;
    const FrameRateColumns columns = frameRateColumns(style, box.width);
    int baseline = addTitledPanel(batch, style, box, frameRateTitle());

    std::string frameTime = "--";
    std::string perSecond = "--";
    if (display.hasReading) {
        frameTime = frameTimeText(std::min(display.frameMilliseconds, 9999.9));
        perSecond = perSecondText(std::min(display.framesPerSecond, 99999.9));
    }

    const int textLeft = box.x + m.panelPadding;
    const int textRight = box.x + box.width - m.panelPadding;
    if (m.compact) {
        const std::string both =
            display.hasReading ? oneRowText(frameTimeText(std::min(display.frameMilliseconds, 999.9)),
                                            perSecondText(std::min(display.framesPerSecond, 9999.9)))
                               : "--";
        addText(batch, style, both.c_str(), textLeft, baseline, style.theme.textStrong, textRight);
        return;
    }
    const int labelRight = textLeft + columns.labels;
    const int valueLeft = labelRight + m.columnGap;
    const struct {
        const char* label;
        const char* value;
    } rows[] = {{frameTimeLabel(), frameTime.c_str()}, {framesPerSecondLabel(), perSecond.c_str()}};
    for (const auto& row : rows) {
        addText(batch, style, row.label, textLeft, baseline, style.theme.text, labelRight);
        addText(batch, style, row.value, valueLeft, baseline, style.theme.textStrong, textRight);
        baseline -= panelRowHeight(style);
    }
}
