// Orlin: a small GUI overlay drawn with OpenGL over the host's scene.
//
// The host initialises the library once with three callbacks, creates one
// context, forwards its input to it and calls draw() last in each frame.
// Coordinates are window pixels with the origin at the lower-left corner.
#pragma once

#if defined(ORLIN_BUILDING)
#define ORLIN_API __attribute__((visibility("default")))
#else
#define ORLIN_API
#endif

// Asks the host to call fn(arg) once, after the given number of milliseconds.
using OrlinAddTimerFn = void (*)(unsigned milliseconds, void (*fn)(int), int arg);
// A notification hook; the host may do nothing with it.
using OrlinNotifyFn = void (*)(int);
// Returns the host's current modifier bits: 1 shift, 2 control, 4 alt, 8 meta, 16 caps lock.
using OrlinModifiersFn = int (*)();

// GUI key codes for the keys that have no character of their own.
enum OrlinKey {
    orlinKeyF1 = 256, orlinKeyF2 = 257, orlinKeyF12 = 267,
    orlinKeyLeft = 268, orlinKeyRight = 269, orlinKeyUp = 270, orlinKeyDown = 271,
    orlinKeyPageUp = 272, orlinKeyPageDown = 273, orlinKeyHome = 274,
    orlinKeyEnd = 275, orlinKeyInsert = 276,
};

// Modifier bits as the host's modifier callback reports them.
enum OrlinModifier {
    orlinModShift = 1, orlinModControl = 2, orlinModAlt = 4, orlinModMeta = 8, orlinModCaps = 16,
};

ORLIN_API void orlinInit(OrlinAddTimerFn addTimer, OrlinNotifyFn notify, OrlinModifiersFn modifiers);

ORLIN_API extern const float orlinWhite[4];
ORLIN_API extern const float orlinBlack[4];

class ORLIN_API OrlinContext {
public:
    // The nine colours make the overlay's theme:
    //   panel       fill of panels
    //   panelEdge   panel border
    //   highlight   title bar and accents
    //   shadow      drop shadow under panels
    //   text        ordinary text
    //   textStrong  headings and key names
    //   ink         text outline, for legibility over a bright scene
    //   accent      values (frame rate figures)
    //   dim         secondary text
    // The last argument asks for a debug outline around every panel.
    OrlinContext(int width, int height, const char* fontPath,
                 const float* panel, const float* panelEdge, const float* highlight,
                 const float* shadow, const float* text, const float* textStrong,
                 const float* ink, const float* accent, const float* dim, bool debugOutline);
    ~OrlinContext();
    OrlinContext(const OrlinContext&) = delete;
    OrlinContext& operator=(const OrlinContext&) = delete;

    void resize(int width, int height);
    // Orthographic projection 0..width by 0..height, origin lower-left,
    // identity model-view, model-view as the current matrix mode.
    void resetView();
    // Draws the overlay. Restores every piece of GL state it touches.
    void draw();

    void keyDown(int key, int x, int y, int reserved1, int reserved2);
    void keyUp(int key, int x, int y, int reserved1, int reserved2);
    void mouseDown(int button, int x, int y, int reserved1, int reserved2);
    void mouseUp(int button, int x, int y, int reserved1, int reserved2);
    void scrollWheel(int direction, int x, int y, int reserved1, int reserved2);
    void mouseMove(int x, int y, int reserved1, int reserved2);
    void mouseDrag(int x, int y, int reserved1, int reserved2);

    struct Impl;

private:
    Impl* impl;
};
