// One complete frame: depth colours, the orbiting camera, the scene, the
// depth gauge, the GUI overlay and the buffer swap.
#pragma once


// Depth gauge, in overlay pixels from the lower-left corner.
constexpr float gaugeScaleX = 576.0f;
constexpr float gaugeScaleY = 117.0f;
constexpr float gaugeScaleWidth = 41.0f;
constexpr float gaugeScaleHeight = 246.0f;
constexpr float gaugeArrowX = -6.0f;  // relative to the scale's origin
constexpr float gaugeArrowWidth = 54.0f;
constexpr float gaugeArrowHeight = 10.0f;
constexpr float gaugeArrowTravel = 234.0f;
// The gauge's leftmost pixel column (the arrow reaches past the scale).
constexpr float gaugeLeftEdge = gaugeScaleX + gaugeArrowX;

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

// Arrow's lower edge relative to the scale's origin at a depth (not clamped).
float gaugeArrowOffset(float atDepth);

// Draws `texture` on a width x height quad whose lower-left corner is the
// current origin, in orlinWhite so the image shows in its own colours.
void drawOverlayQuad(unsigned texture, float width, float height);

// Perspective projection for the window's aspect ratio and the camera that
// orbits the focus point; leaves the model-view matrix current.
void setUpCamera();

void drawFrame();
