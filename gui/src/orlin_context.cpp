#include <orlin/orlin.h>

#include <GL/gl.h>

#include "atlas_texture.h"
#include "context_impl.h"
#include "context_registry.h"
#include "message_panel.h"
#include "host_callbacks.h"
#include "overlay_layout.h"
#include "overlay_renderer.h"
#include "text_renderer.h"

namespace {

void helpFadeTimer(int contextId)
{
    OrlinContext::Impl* context = findContext(contextId);
    if (context == nullptr)
        return;
    if (advanceHelpFade(context->help))
        requestTimer(helpFadeStepMs, helpFadeTimer, contextId);
}

void frameRateTimer(int contextId)
{
    OrlinContext::Impl* context = findContext(contextId);
    if (context == nullptr)
        return;
    context->frameRate.refreshPending = false;
    if (!context->frameRate.shown)
        return;
    takeFrameRateReading(context->frameRate);
    context->frameRate.refreshPending = requestTimer(frameRateRefreshMs, frameRateTimer, contextId);
}

// F1 and F2 are left to other uses when control, alt or meta is held.
bool plainFunctionKey()
{
    return (hostModifiers() & (orlinModControl | orlinModAlt | orlinModMeta)) == 0;
}

}  // namespace

OrlinContext::OrlinContext(int width, int height, const char* fontPath, const float* panel,
                           const float* panelEdge, const float* keyCap, const float* divider, const float* text,
                           const float* textStrong, const float* ink, const float* titleBar, const float* shadow,
                           bool debugOutline)
    : impl(new Impl)
{
    const float* const colours[9] = {panel, panelEdge, keyCap, divider, text, textStrong, ink, titleBar, shadow};
    impl->width = width;
    impl->height = height;
    impl->theme = makeTheme(colours, debugOutline);
    impl->atlas = buildFontAtlas(fontPath, fontPixelSize);
    impl->id = registerContext(impl);
    requestTimer(helpFadeDelayMs, helpFadeTimer, impl->id);
}

OrlinContext::~OrlinContext()
{
    unregisterContext(impl->id);
    releaseAtlasTexture(impl->atlas);
    delete impl;
}

void OrlinContext::setHelp(const char* title, const OrlinHelpRow* rows, int rowCount)
{
    HelpPanel& help = impl->help;
    help.title = title != nullptr ? title : "";
    help.rows.clear();
    for (int i = 0; rows != nullptr && i < rowCount; ++i)
        help.rows.push_back({rows[i].keys != nullptr ? rows[i].keys : "", rows[i].action != nullptr ? rows[i].action : ""});
}

void OrlinContext::setChart(const OrlinChart* chart)
{
    setChartContent(impl->chart, chart);
}

void OrlinContext::showChart(bool shown)
{
    impl->chart.shown = shown;
}

void OrlinContext::setLabel(const char* text, int right, int top)
{
    impl->label = text != nullptr ? text : "";
    impl->labelRight = right;
    impl->labelTop = top;
}

void OrlinContext::showMessage(const char* text, unsigned milliseconds)
{
    impl->message = text != nullptr ? text : "";
    impl->messageEnds = OverlayClock::now() + std::chrono::milliseconds(milliseconds);
}

void OrlinContext::keepPanelsLeftOf(int x)
{
    impl->keepPanelsLeftOf = x;
}

void OrlinContext::resize(int width, int height)
{
    impl->width = width;
    impl->height = height;
}

void OrlinContext::glContextReplaced()
{
    // The texture died with its context: nothing to delete.
    impl->atlas.texture = 0;
}

void OrlinContext::resetView()
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, impl->width, 0.0, impl->height, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void OrlinContext::draw()
{
    Impl& context = *impl;
    noteFrame(context.frameRate, OverlayClock::now());

    const int panelWidth = maxPanelWidth(context.keepPanelsLeftOf > 0 ? context.keepPanelsLeftOf : context.width);
    beginBatch(context.batch, context.atlas);
    if (context.help.shown)
        addHelpPanel(context.batch, context.atlas, context.theme, context.help, context.height, panelWidth);
    int bottomPanelsTop = 0;  // the chart, if shown, takes the corner; the frame rate goes above it
    if (context.chart.shown) {
        const int height = addChartPanel(context.batch, context.atlas, context.theme, context.chart, windowMargin,
                                         windowMargin, panelWidth);
        if (height > 0)
            bottomPanelsTop = windowMargin + height;
    }
    if (context.frameRate.shown)
        addFrameRatePanel(context.batch, context.atlas, context.theme, context.frameRate, bottomPanelsTop,
                          panelWidth);
    if (!context.message.empty()) {
        if (OverlayClock::now() < context.messageEnds)
            addMessagePanel(context.batch, context.atlas, context.theme, context.message.c_str(), context.width);
        else
            context.message.clear();
    }
    if (!context.label.empty()) {
        const char* text = context.label.c_str();
        addText(context.batch, context.atlas, text, context.labelRight - textWidth(context.atlas, text),
                context.labelTop - context.atlas.ascent, context.theme.textStrong, context.theme.ink, context.width);
    }
    renderOverlay(context.batch, context.atlas, context.width, context.height);
}

void OrlinContext::keyDown(int key, int, int, int, int)
{
    Impl& context = *impl;
    if (key == orlinKeyF1) {
        if (!context.f1Held && plainFunctionKey())
            toggleHelp(context.help);
        context.f1Held = true;
    } else if (key == orlinKeyF2) {
        if (!context.f2Held && plainFunctionKey()) {
            toggleFrameRate(context.frameRate);
            if (context.frameRate.shown && !context.frameRate.refreshPending)
                context.frameRate.refreshPending = requestTimer(frameRateRefreshMs, frameRateTimer, context.id);
        }
        context.f2Held = true;
    }
}

void OrlinContext::keyUp(int key, int, int, int, int)
{
    if (key == orlinKeyF1)
        impl->f1Held = false;
    else if (key == orlinKeyF2)
        impl->f2Held = false;
}

// The pointer belongs to the host's mouse look; the overlay has nothing to click.
void OrlinContext::mouseDown(int, int, int, int, int) {}
void OrlinContext::mouseUp(int, int, int, int, int) {}
void OrlinContext::scrollWheel(int, int, int, int, int) {}
void OrlinContext::mouseMove(int, int, int, int) {}
void OrlinContext::mouseDrag(int, int, int, int) {}
