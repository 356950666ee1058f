#include "panel_placement.h"

#include <climits>

namespace {

bool isLeft(PanelCorner corner)
{
    return corner == PanelCorner::topLeft || corner == PanelCorner::bottomLeft;
}

bool isTop(PanelCorner corner)
{
    return corner == PanelCorner::topLeft || corner == PanelCorner::topRight;
}

PanelBox inCorner(const PanelRequest& request, const PanelRoom& room)
{
    PanelBox box{0, 0, request.width, request.height};
    box.x = isLeft(request.corner) ? room.left : room.right - request.width;
    box.y = isTop(request.corner) ? room.top - request.height : room.bottom;
    return box;
}

// How far the box lies from its corner, along both edges.
long long distanceFromCorner(const PanelBox& box, PanelCorner corner, const PanelRoom& room)
{
    const long long dx = isLeft(corner) ? box.x - room.left : room.right - (box.x + box.width);
    const long long dy = isTop(corner) ? room.top - (box.y + box.height) : box.y - room.bottom;
    return dx + dy;
}

bool insideRoom(const PanelBox& box, const PanelRoom& room)
{
    return box.x >= room.left && box.y >= room.bottom && box.x + box.width <= room.right &&
           box.y + box.height <= room.top;
}

}  // namespace

bool tooClose(const PanelBox& a, const PanelBox& b, int gap)
{
    return a.x < b.x + b.width + gap && b.x < a.x + a.width + gap && a.y < b.y + b.height + gap &&
           b.y < a.y + a.height + gap;
}

bool placePanels(const std::vector<PanelRequest>& requests, const std::vector<PanelBox>& obstacles,
                 const PanelRoom& room, int gap, std::vector<PanelBox>& boxes, std::vector<bool>* placed)
{
    boxes.assign(requests.size(), PanelBox{});
    if (placed != nullptr)
        placed->assign(requests.size(), true);
    std::vector<PanelBox> taken;
    for (const PanelBox& obstacle : obstacles)
        if (obstacle.width > 0 && obstacle.height > 0)
            taken.push_back(obstacle);
    bool allPlaced = true;
    for (std::size_t i = 0; i < requests.size(); ++i) {
        const PanelRequest& request = requests[i];
        if (request.width <= 0 || request.height <= 0)
            continue;
        // Candidate edges: the room's own, and next to each taken box.
        std::vector<int> xs{room.left, room.right - request.width};
        std::vector<int> ys{room.bottom, room.top - request.height};
        for (const PanelBox& box : taken) {
            xs.push_back(box.x + box.width + gap);
            xs.push_back(box.x - gap - request.width);
            ys.push_back(box.y + box.height + gap);
            ys.push_back(box.y - gap - request.height);
        }
        long long best = LLONG_MAX;
        PanelBox chosen = inCorner(request, room);
        for (int x : xs) {
            for (int y : ys) {
                const PanelBox candidate{x, y, request.width, request.height};
                if (!insideRoom(candidate, room))
                    continue;
                bool free = true;
                for (const PanelBox& box : taken)
                    free = free && !tooClose(candidate, box, gap);
                const long long distance = distanceFromCorner(candidate, request.corner, room);
                if (free && distance < best) {
                    best = distance;
                    chosen = candidate;
                }
            }
        }
        if (best == LLONG_MAX) {
            allPlaced = false;
            if (placed != nullptr) {
                // Left out: it must not push the others away either.
                (*placed)[i] = false;
                continue;
            }
        }
        boxes[i] = chosen;
        taken.push_back(chosen);
    }
    return allPlaced;
}
