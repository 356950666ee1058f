// Sizes shared by the overlay's panels, in pixels.
#pragma once

constexpr int fontPixelSize = 13;
constexpr int windowMargin = 12;    // gap between a panel and the window's edge
constexpr int panelPadding = 10;    // gap between a panel's edge and its content
constexpr int rowGap = 6;           // extra space between rows of text
constexpr int columnGap = 14;       // between a row's label and its value

// The widest a panel may be when it must stay left of x (window pixels),
// with a margin on both sides; an unusually wide font must not push a panel
// over what the host draws there.
inline int maxPanelWidth(int keepLeftOf)
{
    return keepLeftOf - 2 * windowMargin;
}

// Shrinks two columns in proportion until they fit next to each other in a
// panel at most `panelWidth` wide; text that does not fit is cut off.
inline void fitColumns(int& first, int& second, int panelWidth)
{
    const int room = panelWidth - 2 * panelPadding - columnGap;
    const int total = first + second;
    if (total <= room)
        return;
    if (room <= 0) {
        first = 0;
        second = 0;
        return;
    }
    first = static_cast<int>(static_cast<long long>(first) * room / total);
    second = room - first;
}
