// Where the panels go: each in its own corner of the room the window leaves
// them, and where that is taken, beside or above what is already there, so
// that no two panels cover each other.
#pragma once

#include <vector>

#include "panel.h"

enum class PanelCorner { topLeft, topRight, bottomLeft, bottomRight };

struct PanelRequest {
    int width = 0;  // 0: the panel is not shown
    int height = 0;
    PanelCorner corner = PanelCorner::topLeft;
};

struct PanelRoom {
    int left = 0;  // window pixels; panels lie within left..right, bottom..top
    int bottom = 0;
    int right = 0;
    int top = 0;
};

// Places the requests in order, each as near its corner as it goes without
// coming closer than `gap` to a panel placed before it or to an obstacle.
// `boxes` gets one box per request (empty for a panel not shown). Returns
// false when some panel found no such place; it then sits in its corner, and
// `placed` (when given) says which found their place: a panel not shown did.
bool placePanels(const std::vector<PanelRequest>& requests, const std::vector<PanelBox>& obstacles,
                 const PanelRoom& room, int gap, std::vector<PanelBox>& boxes, std::vector<bool>* placed = nullptr);

// Whether two boxes come closer than `gap` to each other.
bool tooClose(const PanelBox& a, const PanelBox& b, int gap);
