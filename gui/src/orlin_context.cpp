#include <orlin/orlin.h>

#include <algorithm>

#include <GL/gl.h>

#include "context_impl.h"
#include "context_registry.h"
#include "host_callbacks.h"
#include "message_text.h"
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

std::string orEmpty(const char* text)
{
    return text != nullptr ? text : "";
}

// The font the label is set in: its own size when the host asked for one
// and the font could be read at it.
const FontAtlas& labelFont(const OrlinContext::Impl& context)
{
    return context.labelHeight > 0 && context.labelAtlas.hasText ? context.labelAtlas : context.atlas;
}

// Where the host's label lies, its shadow included.
PanelBox labelBox(const OrlinContext::Impl& context)
{
    return labelBoxOf(labelFont(context), context.metrics, context.label, context.labelRight, context.labelTop);
}

// A caption's right edge in the overlay's font at its present size.
int captionRight(const OrlinContext::Impl& context, const OrlinContext::Impl::Caption& caption)
{
    return caption.rightAligned ? caption.x : caption.x + textWidth(context.atlas, caption.text.c_str());
}

// Where a caption lies, its shadow included.
PanelBox captionBox(const OrlinContext::Impl& context, const OrlinContext::Impl::Caption& caption)
{
    return labelBoxOf(context.atlas, context.metrics, caption.text, captionRight(context, caption), caption.top);
}

// Each shown panel's box, as the panels' content and the room left them have it.
void layOutPanels(OrlinContext::Impl& context)
{
    const int keepLeftOf = context.keepPanelsLeftOf > 0 ? std::min(context.keepPanelsLeftOf, context.width)
                                                        : context.width;
    OverlayContent& content = context.content;
    content.help = &context.help;
    content.chart = &context.chart;
    content.frameRateShown = context.frameRate.shown;
    content.notice = context.notice;
    content.message = context.message;
    content.label = labelBox(context);
    content.keepClear = context.keepClear;
    for (const OrlinContext::Impl::Caption& caption : context.captions)
        content.keepClear.push_back(captionBox(context, caption));
    context.plan = planOverlay(context.atlas, context.theme, context.metrics, content,
                               {context.width, context.height, keepLeftOf});
}

unsigned contentVersion(const OrlinContext::Impl& context, int slot)
{
    switch (slot) {
    case helpSlot: return context.help.version;
    case chartSlot: return context.chart.version;
    case frameRateSlot: return context.frameRate.version;
    case noticeSlot: return context.noticeVersion;
    case messageSlot: return context.messageVersion;
    default: return 0;
    }
}

void paintPanel(OrlinContext::Impl& context, const PanelStyle& style, int slot, const PanelBox& box)
{
    QuadBatch& batch = context.batch;
    switch (slot) {
    case helpSlot: addHelpPanel(batch, style, context.help, box); break;
    case hintSlot: addTextPanel(batch, style, helpHint(), box); break;
    case chartSlot: addChartPanel(batch, style, context.chart, box); break;
    case frameRateSlot: addFrameRatePanel(batch, style, context.frameRate, box); break;
    case noticeSlot: addTextPanel(batch, style, context.plan.noticeShown.c_str(), box); break;
    case messageSlot: addTextPanel(batch, style, context.plan.messageShown.c_str(), box); break;
    default: break;
    }
}

// Larger than any screen needs, small enough for the atlas's texture.
constexpr int maxLabelHeight = 256;

// The label is a slot of its own, after the panels; the captions follow it.
constexpr int labelSlot = panelSlots;
constexpr int captionSlot = panelSlots + 1;

// Makes the layer's picture again when what it shows has changed.
void refreshLayer(OrlinContext::Impl& context, PanelLayer& layer, const LayerKey& key, const PanelStyle& style,
                  int slot)
{
    if (!layerStale(layer, key))
        return;
    const FontAtlas& atlas = slot == labelSlot ? labelFont(context) : context.atlas;
    beginBatch(context.batch, atlas);
    if (slot == labelSlot) {
        const PanelStyle labelStyle{atlas, style.theme, style.size};
        const char* text = context.label.c_str();
        addText(context.batch, labelStyle, text, context.labelRight - textWidth(atlas, text),
                context.labelTop - atlas.ascent, style.theme.textStrong, context.width);
    } else if (slot >= captionSlot) {
        const OrlinContext::Impl::Caption& caption = context.captions[static_cast<std::size_t>(slot - captionSlot)];
        const char* text = caption.text.c_str();
        addText(context.batch, style, text, captionRight(context, caption) - textWidth(atlas, text),
                caption.top - atlas.ascent,
                style.theme.textStrong, context.width);
    } else {
        paintPanel(context, style, slot, key.box);
    }
    compositeBatch(context.batch, atlas, layer.image, context.compositeStorage);
    markBuilt(layer, key);
}

void rebuildFont(OrlinContext::Impl& context, bool warn)
{
    context.atlas = buildFontAtlas(context.fontPath.c_str(), context.metrics.fontPixelSize, warn);
    ++context.styleVersion;
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
    impl->fontPath = orEmpty(fontPath);
    impl->metrics = overlayMetrics(1.0f);
    rebuildFont(*impl, true);
    impl->id = registerContext(impl);
    requestTimer(helpFadeDelayMs, helpFadeTimer, impl->id);
}

OrlinContext::~OrlinContext()
{
    unregisterContext(impl->id);
    for (PanelLayer& layer : impl->layers)
        releaseLayer(layer);
    releaseLayer(impl->labelLayer);
    for (Impl::Caption& caption : impl->captions)
        releaseLayer(caption.layer);
    delete impl;
}

void OrlinContext::setHelp(const char* title, const OrlinHelpRow* rows, int rowCount)
{
    HelpPanel& help = impl->help;
    help.title = orEmpty(title);
    help.rows.clear();
    for (int i = 0; rows != nullptr && i < rowCount; ++i)
        help.rows.push_back({orEmpty(rows[i].keys), orEmpty(rows[i].action)});
    ++help.version;
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
    const std::string given = orEmpty(text);
    if (given == impl->label && right == impl->labelRight && top == impl->labelTop)
        return;
    impl->label = given;
    impl->labelRight = right;
    impl->labelTop = top;
    ++impl->labelVersion;
}

void OrlinContext::setCaptions(const OrlinCaption* captions, int count)
{
    std::vector<Impl::Caption> given;
    for (int i = 0; captions != nullptr && i < count; ++i)
        if (captions[i].text != nullptr && captions[i].text[0] != '\0')
            given.push_back({captions[i].text, captions[i].x, captions[i].top, captions[i].rightAligned, {}});
    const auto same = [](const Impl::Caption& a, const Impl::Caption& b) {
        return a.text == b.text && a.x == b.x && a.top == b.top && a.rightAligned == b.rightAligned;
    };
    if (std::equal(given.begin(), given.end(), impl->captions.begin(), impl->captions.end(), same))
        return;
    for (Impl::Caption& caption : impl->captions)
        releaseLayer(caption.layer);
    impl->captions = std::move(given);
    ++impl->captionVersion;
}

void OrlinContext::setLabelHeight(int pixels)
{
    pixels = pixels > 0 ? std::min(pixels, maxLabelHeight) : 0;
    if (pixels == impl->labelHeight)
        return;
    impl->labelHeight = pixels;
    impl->labelAtlas = pixels > 0 ? buildFontAtlas(impl->fontPath.c_str(), pixels, false) : FontAtlas{};
    ++impl->labelVersion;
}

void OrlinContext::setNotice(const char* text)
{
    const std::string given = orEmpty(text);
    if (given == impl->notice)
        return;
    impl->notice = given;
    ++impl->noticeVersion;
}

void OrlinContext::showMessage(const char* text, unsigned milliseconds)
{
    impl->message = orEmpty(text);
    impl->messageEnds = OverlayClock::now() + std::chrono::milliseconds(milliseconds);
    ++impl->messageVersion;
}

void OrlinContext::keepPanelsLeftOf(int x)
{
    impl->keepPanelsLeftOf = x;
}

void OrlinContext::keepPanelsClearOf(const OrlinRect* areas, int count)
{
    impl->keepClear.clear();
    for (int i = 0; areas != nullptr && i < count; ++i)
        if (areas[i].width > 0 && areas[i].height > 0)
            impl->keepClear.push_back({areas[i].x, areas[i].y, areas[i].width, areas[i].height});
}

void OrlinContext::setBriefHelp(const OrlinHelpRow* rows, int rowCount)
{
    HelpPanel& help = impl->help;
    help.briefRows.clear();
    for (int i = 0; rows != nullptr && i < rowCount; ++i)
        help.briefRows.push_back({orEmpty(rows[i].keys), orEmpty(rows[i].action)});
    ++help.version;
}

void OrlinContext::setScale(float scale)
{
    const OverlayMetrics metrics = overlayMetrics(scale);
    if (metrics.scale == impl->metrics.scale)
        return;
    const bool newFontSize = metrics.fontPixelSize != impl->metrics.fontPixelSize;
    impl->metrics = metrics;
    if (newFontSize)
        rebuildFont(*impl, false);  // a font that cannot be read was reported when the context was made
    else
        ++impl->styleVersion;
}

void OrlinContext::resize(int width, int height)
{
    impl->width = width;
    impl->height = height;
}

void OrlinContext::glContextReplaced()
{
    // The panels' textures died with their context: nothing to delete. Each
    // is made and drawn again when next shown.
    auto forget = [](PanelLayer& layer) {
        layer.texture = 0;
        layer.built = false;
    };
    for (PanelLayer& layer : impl->layers)
        forget(layer);
    forget(impl->labelLayer);
    for (Impl::Caption& caption : impl->captions)
        forget(caption.layer);
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
    const OverlayClock::time_point now = OverlayClock::now();
    noteFrame(context.frameRate, now);
    if (!context.message.empty() && now >= context.messageEnds) {
        context.message.clear();
        ++context.messageVersion;
    }

    layOutPanels(context);
    const PanelStyle style{context.atlas, context.theme, context.plan.used};
    const unsigned styleKey = context.styleVersion * 2 + (context.plan.used.compact ? 1 : 0);

    std::vector<ShownLayer>& shown = context.shownLayers;
    shown.assign(panelSlots + 1 + context.captions.size(), ShownLayer{});
    int count = 0;
    const PanelBox& label = context.content.label;
    if (label.width > 0) {
        refreshLayer(context, context.labelLayer, {context.labelVersion, context.styleVersion, label}, style,
                     labelSlot);
        shown[count++] = {&context.labelLayer, 1.0f};
    }
    for (int slot = 0; slot < panelSlots; ++slot) {
        const PanelBox& box = context.plan.boxes[slot];
        if (box.width <= 0 || box.height <= 0)
            continue;
        PanelLayer& layer = context.layers[slot];
        refreshLayer(context, layer, {contentVersion(context, slot), styleKey, box}, style, slot);
        shown[count++] = {&layer, slot == helpSlot ? helpOpacity(context.help) : 1.0f};
    }
    for (std::size_t i = 0; i < context.captions.size(); ++i) {
        OrlinContext::Impl::Caption& caption = context.captions[i];
        const PanelBox box = captionBox(context, caption);
        refreshLayer(context, caption.layer, {context.captionVersion, context.styleVersion, box}, style,
                     captionSlot + static_cast<int>(i));
        shown[count++] = {&caption.layer, 1.0f};
    }
    renderOverlay(shown.data(), count, context.width, context.height);
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
    } else if (key == orlinKeyEscape) {
        // One panel a press, the help first; the hint stays so F1 is not lost.
        if (!context.escapeHeld && plainFunctionKey()) {
            if (context.help.shown) {
                closeHelp(context.help);
            } else if (context.frameRate.shown) {
                toggleFrameRate(context.frameRate);
            }
        }
        context.escapeHeld = true;
    }
}

bool OrlinContext::panelOpen() const
{
    return impl->help.shown || impl->frameRate.shown;
}

void OrlinContext::keyUp(int key, int, int, int, int)
{
    if (key == orlinKeyF1)
        impl->f1Held = false;
    else if (key == orlinKeyF2)
        impl->f2Held = false;
    else if (key == orlinKeyEscape)
        impl->escapeHeld = false;
}

// The pointer belongs to the host's mouse look; the overlay has nothing to click.
void OrlinContext::mouseDown(int, int, int, int, int) {}
void OrlinContext::mouseUp(int, int, int, int, int) {}
void OrlinContext::scrollWheel(int, int, int, int, int) {}
void OrlinContext::mouseMove(int, int, int, int) {}
void OrlinContext::mouseDrag(int, int, int, int) {}
