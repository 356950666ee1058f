// Where the depth gauge stands: a vertical scale with an arrow sliding beside
// it, in overlay pixels from the lower-left corner.
#pragma once

#include "logic/depth_range.h"

constexpr float gaugeScaleX = 576.0f;
constexpr float gaugeScaleY = 117.0f;
constexpr float gaugeScaleWidth = 41.0f;
constexpr float gaugeScaleHeight = 246.0f;
constexpr float gaugeArrowX = -6.0f;  // relative to the scale's origin
constexpr float gaugeArrowWidth = 54.0f;
constexpr float gaugeArrowHeight = 10.0f;
constexpr float gaugeArrowTravel = 234.0f;

// Where the scale's lower-left corner goes, and how large the gauge is drawn:
// at (gaugeScaleX, gaugeScaleY) and its own size in the window, whatever its
// size; in full screen at fullScreenScale times its size, as far from the
// right edge (in its own widths) and as centred in height as it is in the
// 640 x 480 window.
struct GaugeOrigin {
    float x;
    float y;
    float scale = 1.0f;
};
GaugeOrigin gaugeOrigin();

// In full screen the gauge and the GUI grow with the screen's height, by
// height / 480 rounded down to a half (1080 gives 2, 2160 gives 4.5), and
// never below 1, so a projector's picture is read from the back of a room.
float fullScreenScale(int height);

// The gauge's leftmost and rightmost pixel columns where it stands now (the
// arrow reaches past the scale on both sides): the overlay keeps left of the
// one, the colour model's name ends at the other.
float gaugeLeftEdge();
float gaugeRightEdge();

// How far the arrow's centre line stands inside either end of the scale.
constexpr float gaugeArrowInset = 6.0f;

// Arrow's lower edge relative to the scale's origin at a depth (not clamped).
// The scale's printed marks run from 10 to 90. A range that starts above 10
// (the measured waters, from 1 m) keeps the marks true from 10 down and
// spends the scale's last few pixels above the 10 mark on the first metres.
float gaugeArrowOffset(float atDepth, DepthRange range = simpleRuleDepths);
