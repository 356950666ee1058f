// Sizes shared by the overlay's panels, in pixels.
#pragma once

constexpr int fontPixelSize = 13;
constexpr int windowMargin = 12;    // gap between a panel and the window's edge
constexpr int panelPadding = 10;    // gap between a panel's edge and its content
constexpr int rowGap = 6;           // extra space between rows of text
constexpr int columnGap = 14;       // between a row's label and its value
