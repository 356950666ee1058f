// Sizes shared by the overlay's panels, in pixels.
#pragma once

constexpr int fontPixelSize = 13;
constexpr int windowMargin = 12;    // gap between a panel and the window's edge
constexpr int panelPadding = 10;    // gap between a panel's edge and its content
constexpr int rowGap = 6;           // extra space between rows of text
constexpr int columnGap = 14;       // between a row's label and its value
// Panels stay in the window's left part: the host draws its depth gauge at
// x 570 and beyond, and an unusually wide font must not push a panel there.
constexpr int maxPanelWidth = 540;
constexpr int maxColumnsWidth = maxPanelWidth - 2 * panelPadding - columnGap;

// Shrinks two columns in proportion until they fit next to each other
// within maxColumnsWidth; text that does not fit is cut off.
inline void fitColumns(int& first, int& second)
{
    const int total = first + second;
    if (total <= maxColumnsWidth)
        return;
    first = static_cast<int>(static_cast<long long>(first) * maxColumnsWidth / total);
    second = maxColumnsWidth - first;
}
