// Where the overlay's panels go in a frame, worked out from what they show
// and the room the window leaves them: a pure function of its inputs, so the
// rules can be checked without a window.
#pragma once

#include <string>
#include <vector>

#include "chart_panel.h"
#include "font_atlas.h"
#include "help_panel.h"
#include "overlay_layout.h"
#include "panel.h"
#include "panel_placement.h"
#include "theme.h"

// The panels, in the order they are given room.
enum PanelSlot { helpSlot, hintSlot, chartSlot, frameRateSlot, noticeSlot, messageSlot, panelSlots };

// What the panels are to show.
struct OverlayContent {
    const HelpPanel* help = nullptr;
    const ChartPanel* chart = nullptr;
    bool frameRateShown = false;
    std::string notice;
    std::string message;
    PanelBox label;                   // the host's label, its shadow included; nothing: none
    std::vector<PanelBox> keepClear;  // the scene's subject: no panel covers it
};

struct OverlayRoom {
    int width = 0;
    int height = 0;
    int keepLeftOf = 0;  // panels stay left of this, a margin to spare (the host's gauge)
};

struct OverlayPlan {
    OverlayMetrics used;              // the normal or the compact style
    PanelBox boxes[panelSlots] = {};  // nothing for a panel not shown
    std::string noticeShown;          // the notice and the message as they fit, in lines
    std::string messageShown;
};

// Each panel as near its corner as the others leave room for, never closer
// than a margin to another panel, the label or the scene's subject. When the
// panels do not all find room, the compact style is tried (closer rows, the
// brief help in two columns, a notice or a message narrower on more lines);
// then as few of the lesser panels as will do are left out: the frame rate,
// else the chart, else both, and only then the help (its "F1: help" hint
// stays where there is room for it). A panel that finds no room at all is
// not shown.
OverlayPlan planOverlay(const FontAtlas& atlas, const Theme& theme, const OverlayMetrics& metrics,
                        const OverlayContent& content, const OverlayRoom& room);

// Where a label whose top-right corner is at (right, top) lies, its shadow
// included; nothing for no text.
PanelBox labelBoxOf(const FontAtlas& atlas, const OverlayMetrics& metrics, const std::string& label, int right,
                    int top);

// The lines a notice or a message may take in its panel: enough for a long
// sentence in a quarter of a small window's width.
constexpr int messageMaxLines = 8;
