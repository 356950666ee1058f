#include "overlay_plan.h"

#include <algorithm>

#include "frame_rate_display.h"
#include "message_text.h"

namespace {

const PanelCorner slotCorners[panelSlots] = {
    PanelCorner::topLeft,      // help
    PanelCorner::topLeft,      // its hint, where the help was
    PanelCorner::bottomLeft,   // chart
    PanelCorner::bottomLeft,   // frame rate, above the chart
    PanelCorner::topRight,     // the host's notice
    PanelCorner::bottomRight,  // a message
};

// Which panels an attempt leaves out.
struct Omitted {
    bool frameRate = false;
    bool chart = false;
    bool help = false;
};

bool tryPlan(const FontAtlas& atlas, const Theme& theme, const OverlayMetrics& used, const OverlayContent& content,
             const OverlayRoom& room, const Omitted& omitted, int textShare, OverlayPlan& plan)
{
    plan.used = used;
    const PanelStyle style{atlas, theme, used};
    const int maxWidth = maxPanelWidth(used, room.keepLeftOf);
    // A notice or a message may take a share of the width only, on more
    // lines, to stand beside another panel.
    const int textRoom = (maxWidth - 2 * used.panelPadding) / textShare;
    PanelBox sizes[panelSlots] = {};
    const HelpPanel* help = content.help;
    if (help != nullptr) {
        if (help->shown && !omitted.help)
            sizes[helpSlot] = helpPanelSize(style, *help, maxWidth);
        else if (help->hintShown || (help->shown && !help->rows.empty()))
            sizes[hintSlot] = textPanelSize(style, helpHint(), maxWidth);
    }
    if (content.chart != nullptr && content.chart->shown && !omitted.chart)
        sizes[chartSlot] = chartPanelSize(style, *content.chart, maxWidth);
    if (content.frameRateShown && !omitted.frameRate)
        sizes[frameRateSlot] = frameRatePanelSize(style, maxWidth);
    plan.noticeShown.clear();
    plan.messageShown.clear();
    if (!content.notice.empty()) {
        plan.noticeShown = wrapMessage(atlas, content.notice, textRoom, messageMaxLines);
        sizes[noticeSlot] = textPanelSize(style, plan.noticeShown.c_str(), maxWidth);
    }
    if (!content.message.empty()) {
        // Whole, on more lines: shortening a path in the middle of a sentence
        // would cut what it says; only a path wider than a line loses folders.
        plan.messageShown = wrapMessage(atlas, content.message, textRoom, messageMaxLines);
        sizes[messageSlot] = textPanelSize(style, plan.messageShown.c_str(), maxWidth);
    }
    std::vector<PanelRequest> requests;
    for (int slot = 0; slot < panelSlots; ++slot)
        requests.push_back({sizes[slot].width, sizes[slot].height, slotCorners[slot]});
    std::vector<PanelBox> obstacles{content.label};
    obstacles.insert(obstacles.end(), content.keepClear.begin(), content.keepClear.end());
    const PanelRoom panelRoom{used.windowMargin, used.windowMargin, room.keepLeftOf - used.windowMargin,
                              room.height - used.windowMargin};
    std::vector<PanelBox> boxes;
    std::vector<bool> placed;
    const bool all = placePanels(requests, obstacles, panelRoom, used.windowMargin, boxes, &placed);
    for (int slot = 0; slot < panelSlots; ++slot)
        plan.boxes[slot] = placed[static_cast<std::size_t>(slot)] ? boxes[static_cast<std::size_t>(slot)] : PanelBox{};
    return all;
}

}  // namespace

PanelBox labelBoxOf(const FontAtlas& atlas, const OverlayMetrics& metrics, const std::string& label, int right,
                    int top)
{
    if (label.empty())
        return {};
    const int width = textWidth(atlas, label.c_str());
    const int line = metrics.line;
    return {right - width, top - atlas.lineHeight - line, width + line, atlas.lineHeight + line};
}

OverlayPlan planOverlay(const FontAtlas& atlas, const Theme& theme, const OverlayMetrics& metrics,
                        const OverlayContent& content, const OverlayRoom& room)
{
    const OverlayMetrics compact = compactMetrics(metrics);
    OverlayPlan plan;
    if (tryPlan(atlas, theme, metrics, content, room, {}, 1, plan))
        return plan;
    // As few left out as will do, the lesser first: the frame rate, then the
    // chart, then both, and only then the help (the bits of `leftOut`).
    const bool text = !content.notice.empty() || !content.message.empty();
    for (int leftOut = 0; leftOut < 8; ++leftOut) {
        const Omitted omitted{(leftOut & 1) != 0, (leftOut & 2) != 0, (leftOut & 4) != 0};
        for (int share = 1; share <= (text ? 4 : 1); ++share)
            if (tryPlan(atlas, theme, compact, content, room, omitted, share, plan))
                return plan;
    }
    // What finds no room is left out; the rest stands where it found room.
    return plan;
}
