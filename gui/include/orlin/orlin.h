// Orlin: a small GUI overlay drawn with OpenGL over the host's scene.
//
// The host initialises the library once with three callbacks, creates one
// context, forwards its input to it and calls draw() last in each frame.
// Coordinates are window pixels with the origin at the lower-left corner.
#pragma once

#if defined(_WIN32)
#if defined(ORLIN_BUILDING)
#define ORLIN_API __declspec(dllexport)
#else
#define ORLIN_API __declspec(dllimport)
#endif
#elif defined(ORLIN_BUILDING)
#define ORLIN_API __attribute__((visibility("default")))
#else
#define ORLIN_API
#endif

// Asks the host to call fn(arg) once, after the given number of milliseconds.
using OrlinAddTimerFn = void (*)(unsigned milliseconds, void (*fn)(int), int arg);
// A notification hook; this library does not call it.
using OrlinNotifyFn = void (*)(int);
// Returns the host's current modifier bits: 1 shift, 2 control, 4 alt, 8 meta, 16 caps lock.
using OrlinModifiersFn = int (*)();

// GUI key codes. Keys that type a character are that character (Return is
// orlinKeyReturn); the others have codes from 256 on.
enum OrlinKey {
    orlinKeyReturn = 10,
    orlinKeyEscape = 27,
    orlinKeyF1 = 256, orlinKeyF2 = 257, orlinKeyF3 = 258, orlinKeyF4 = 259, orlinKeyF5 = 260,
    orlinKeyF6 = 261, orlinKeyF7 = 262, orlinKeyF8 = 263, orlinKeyF9 = 264, orlinKeyF10 = 265,
    orlinKeyF11 = 266, orlinKeyF12 = 267,
    orlinKeyLeft = 268, orlinKeyRight = 269, orlinKeyUp = 270, orlinKeyDown = 271,
    orlinKeyPageUp = 272, orlinKeyPageDown = 273, orlinKeyHome = 274,
    orlinKeyEnd = 275, orlinKeyInsert = 276,
};

// Modifier bits as the host's modifier callback reports them.
enum OrlinModifier {
    orlinModShift = 1, orlinModControl = 2, orlinModAlt = 4, orlinModMeta = 8, orlinModCaps = 16,
};

// One row of the help panel: the keys, and what they do.
struct OrlinHelpRow {
    const char* keys;
    const char* action;
};

// A rectangle in window pixels: lower-left corner, width and height.
struct OrlinRect {
    int x;
    int y;
    int width;
    int height;
};

// A line of text the host places over its scene, in the overlay's font: its
// top-left corner at (x, top), or its top-right corner when rightAligned.
struct OrlinCaption {
    const char* text;
    int x;
    int top;
    bool rightAligned;
};

// A panel of colour swatches and a small line plot: groups of swatches side
// by side, each with a label above it, and under them the plot's lines.
struct OrlinSwatchGroup {
    const char* label;
    int columns;
    int rows;
    const unsigned char* rgb;  // columns * rows colours, 3 bytes each, row by row from the top left
};
struct OrlinPlotLine {
    const float* values;  // heights 0..1 at evenly spaced points from the plot's left end to its right
    int count;
    const float* colour;  // RGBA
};
// A short tick standing on the plot's floor at a place, with a word above it,
// both in the mark's colour.
struct OrlinPlotMark {
    float at;             // 0..1 from left to right; outside: none
    const float* colour;  // RGBA
    const char* label;
};
struct OrlinChart {
    const char* title;
    const OrlinSwatchGroup* groups;
    int groupCount;
    const OrlinPlotLine* lines;
    int lineCount;
    float marker;           // where a vertical marker stands, 0..1 from left to right; outside: none
    const char* leftLabel;  // under the plot's two ends
    const char* rightLabel;
    // Each of the rest may be left out, and its piece is not drawn.
    const char* const* lineNames = nullptr;   // lineCount names: a legend in the plot, each in its line's colour
    const char* legendTail = nullptr;         // after the names, in the text colour
    bool percentScale = false;                // the heights read as 0, 50 and 100 % beside the plot
    const char* markerLabel = nullptr;        // under the marker
    const char* const* groupNotes = nullptr;  // groupCount texts: a group with one shows the words, not its swatches
    const OrlinPlotMark* marks = nullptr;     // markCount marks on the plot
    int markCount = 0;
    const unsigned char* band = nullptr;  // bandCount colours, 3 bytes each: a strip from left to right, above the plot
    int bandCount = 0;
    const char* bandLabel = nullptr;  // beside the strip
};

// The overlay's text size in pixels at scale 1 (setScale multiplies it).
constexpr int orlinFontPixelSize = 13;

ORLIN_API void orlinInit(OrlinAddTimerFn addTimer, OrlinNotifyFn notify, OrlinModifiersFn modifiers);

// Puts one of the library's own English texts ("F1: help", "Frame rate",
// ...) into the user's language, or returns it unchanged; the returned text
// must stay valid for as long as the library runs. As in a gettext catalogue,
// a text that needs a context is asked for as the context, '\004' and the
// text: "decimal point\004." gives the decimal separator of the figures the
// library shows. Without a call, or with null, the texts stay English. Call
// it before the first context is made.
using OrlinTranslateFn = const char* (*)(const char* english);
ORLIN_API void orlinSetTranslator(OrlinTranslateFn translate);

ORLIN_API extern const float orlinWhite[4];
ORLIN_API extern const float orlinBlack[4];

class ORLIN_API OrlinContext {
public:
    // The nine colours make the overlay's theme, in this order:
    //   panel       panel fill, drawn translucent so the scene shows through
    //   panelEdge   one-pixel panel border
    //   keyCap      face behind key names in the help panel
    //   divider     rule under a panel's title strip
    //   text        ordinary text
    //   textStrong  titles, key names and figures
    //   ink         one-pixel shadow under all text, for legibility over a bright scene
    //   titleBar    strip behind a panel's title
    //   shadow      drop shadow right of and below panels
    // Colours are RGBA; their alpha scales the overlay's own translucency.
    // The font is a file FreeType can read; without one the panels are drawn
    // without text. The last argument outlines every panel in the text
    // colour, for debugging.
    //
    // A help panel with the rows the host gives through setHelp shows at
    // start in the top-left corner and fades away by itself after a few
    // seconds (through the host's add-timer callback; without one it stays).
    // F1 shows and hides it, F2 shows and hides the frame time and frame rate
    // in the bottom-left corner; with control, alt or meta held they do
    // nothing. Escape closes one of the two that is open, the help first.
    // Once the start-up help has faded, a small "F1: help" is left
    // in its corner until F1. Every other key and the mouse are left to the
    // host. Panels never cover each other, the host's label or the areas it
    // keeps clear: each goes as near its corner as the others leave room for,
    // and when the window is too small for that the rows move closer together.
    OrlinContext(int width, int height, const char* fontPath,
                 const float* panel, const float* panelEdge, const float* keyCap,
                 const float* divider, const float* text, const float* textStrong,
                 const float* ink, const float* titleBar, const float* shadow, bool debugOutline);
    ~OrlinContext();
    OrlinContext(const OrlinContext&) = delete;
    OrlinContext& operator=(const OrlinContext&) = delete;

    // The help panel's title and rows, copied; until then the panel is empty
    // and draws nothing.
    void setHelp(const char* title, const OrlinHelpRow* rows, int rowCount);
    // The same rows in a few words each, for a window with no room for the
    // full panel: the help is then drawn in two columns, short enough to
    // stand above the host's subject. Copied; without them the rows stay.
    void setBriefHelp(const OrlinHelpRow* rows, int rowCount);
    // Panels, with a window margin to spare, stay left of x, so the host can
    // draw beside them; without a call they may take the window's width.
    void keepPanelsLeftOf(int x);
    // Areas no panel covers, with a window margin to spare: the scene's
    // subject (copied; a new call replaces them, none clears them). A panel
    // with no room beside them takes its compact form; failing that, as few
    // of the lesser panels as will do are left out (the frame rate before the
    // chart, both before the help, whose "F1: help" stays), and a panel with
    // no room at all is not shown.
    void keepPanelsClearOf(const OrlinRect* areas, int count);

    // The chart panel's content, copied (null: none), and whether it shows. It
    // sits in the bottom-left corner, the frame rate above it.
    void setChart(const OrlinChart* chart);
    void showChart(bool shown);
    // A line of text whose top-right corner is at (right, top); empty or null
    // removes it.
    void setLabel(const char* text, int right, int top);
    // The label's font size in pixels, for a figure read from afar (at most
    // 256); 0, as at start, sets it in the overlay's own font.
    void setLabelHeight(int pixels);
    // Lines of text over the scene, such as the names of two views side by
    // side (copied; a new call replaces them, none removes them). Panels keep
    // clear of them as of the label.
    void setCaptions(const OrlinCaption* captions, int count);
    // A short message in a small panel in the bottom-right corner, shown for
    // the given time; a new message replaces the one shown. A message too
    // wide for the window takes more lines, broken between words (at most
    // eight, the last ending in "..." if even that is too little); a path too
    // wide for a line of its own loses its leading folders, never its name.
    void showMessage(const char* text, unsigned milliseconds);
    // A line of text in a small panel in the top-right corner for as long as
    // the host keeps it there, on more lines between words where it is too
    // wide (as a message); empty or null removes it.
    void setNotice(const char* text);
    // Text and panels drawn `scale` times their size (1 and more, for a large
    // window seen from afar); the font is rasterised again at the new size.
    void setScale(float scale);

    void resize(int width, int height);
    // The GL context the overlay drew in has been replaced by a new one (as
    // SDL 1.2 on Windows does at every video-mode change): what the overlay
    // made in the old one is gone, and is made again in the current one when
    // next drawn.
    void glContextReplaced();
    // Orthographic projection 0..width by 0..height, origin lower-left,
    // identity model-view, model-view as the current matrix mode.
    void resetView();
    // Draws the overlay. Restores every piece of GL state it touches.
    void draw();

    // Whether the help panel or the frame rate is open (one Escape would
    // close), so the host knows whether an Escape is the overlay's.
    bool panelOpen() const;

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
