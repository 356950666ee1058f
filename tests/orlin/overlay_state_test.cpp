#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <orlin/orlin.h>

#include "gl_window.h"
#include "platform/font_location.h"
#include "program_runner.h"

namespace {

// Timers the library asks for are kept here; tests fire them at will.
struct TimerRequest {
    unsigned milliseconds;
    void (*fn)(int);
    int arg;
};

std::vector<TimerRequest>& timerRequests()
{
    static std::vector<TimerRequest> requests;
    return requests;
}

void recordTimer(unsigned milliseconds, void (*fn)(int), int arg)
{
    timerRequests().push_back({milliseconds, fn, arg});
}

// Fires every request made so far, oldest first; returns them.
std::vector<TimerRequest> fireRequests()
{
    std::vector<TimerRequest> due;
    due.swap(timerRequests());
    for (const TimerRequest& request : due)
        request.fn(request.arg);
    return due;
}

int heldModifiers = 0;

int currentModifiers()
{
    return heldModifiers;
}

// Colours no two of which look alike, so a pixel tells what drew it.
const float panelColour[4] = {0.0f, 0.0f, 0.5f, 1.0f};
const float panelEdgeColour[4] = {0.0f, 0.5f, 0.5f, 1.0f};
const float keyCapColour[4] = {0.4f, 0.4f, 0.0f, 1.0f};
const float dividerColour[4] = {0.3f, 0.3f, 0.3f, 1.0f};
const float textColour[4] = {1.0f, 0.0f, 1.0f, 1.0f};
const float textStrongColour[4] = {1.0f, 1.0f, 0.0f, 1.0f};
const float inkColour[4] = {0.0f, 0.0f, 0.0f, 1.0f};
const float titleBarColour[4] = {0.0f, 0.25f, 0.75f, 1.0f};
const float shadowColour[4] = {0.1f, 0.1f, 0.1f, 1.0f};
const float background[4] = {0.25f, 0.5f, 0.25f, 1.0f};

// Rows of the size a host hands over.
const OrlinHelpRow helpRows[] = {
    {"Left / Right arrows", "turn the model"},
    {"Right mouse button", "hold and move to pan the view"},
    {"Escape", "leave"},
    {"F1", "show or hide this help"},
    {"F2", "show or hide the frame rate"},
};

constexpr int windowWidth = 640;
constexpr int windowHeight = 480;

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};

Rgb byteColour(const float* colour)
{
    return {toByte(colour[0]), toByte(colour[1]), toByte(colour[2])};
}

struct Region {
    int x0, y0, x1, y1;  // window pixels from the lower left, x1 and y1 excluded
    bool contains(int x, int y) const { return x >= x0 && x < x1 && y >= y0 && y < y1; }
};

const Region wholeWindow{0, 0, windowWidth, windowHeight};
const Region topLeft{0, windowHeight / 2, 400, windowHeight};
const Region bottomLeft{0, 0, 320, 150};
const Region gauge{570, 117, 625, 364};

struct Frame {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba;

    Rgb at(int x, int y) const
    {
        const unsigned char* p = rgba.data() + (static_cast<std::size_t>(y) * width + x) * 4;
        return {p[0], p[1], p[2]};
    }

    int count(const Region& region, const std::function<bool(Rgb)>& wanted) const
    {
        int n = 0;
        for (int y = region.y0; y < region.y1; ++y)
            for (int x = region.x0; x < region.x1; ++x)
                if (wanted(at(x, y)))
                    ++n;
        return n;
    }

    int countColour(const Region& region, Rgb colour) const
    {
        return count(region, [&](Rgb c) { return c == colour; });
    }

    // Pixels the overlay changed: anything but the cleared background.
    int countDrawn(const Region& region) const
    {
        const Rgb clear = byteColour(background);
        return count(region, [&](Rgb c) { return !(c == clear); });
    }

    int countDrawnOutside(const Region& region) const
    {
        const Rgb clear = byteColour(background);
        int n = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (!region.contains(x, y) && !(at(x, y) == clear))
                    ++n;
        return n;
    }
};

Frame readFrame()
{
    Frame frame;
    frame.width = windowWidth;
    frame.height = windowHeight;
    frame.rgba.resize(static_cast<std::size_t>(windowWidth) * windowHeight * 4);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, windowWidth, windowHeight, GL_RGBA, GL_UNSIGNED_BYTE, frame.rgba.data());
    return frame;
}

void clearWindow()
{
    glClearColor(background[0], background[1], background[2], background[3]);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

class OverlayTest : public GlWindowTest {
protected:
    void SetUp() override
    {
        GlWindowTest::SetUp();
        if (HasFatalFailure())
            return;
        timerRequests().clear();
        heldModifiers = 0;
        orlinInit(recordTimer, nullptr, currentModifiers);
        fontPath = fontconfigMatch("Verdana");
        ASSERT_FALSE(fontPath.empty()) << "fontconfig found no font";
    }

    std::unique_ptr<OrlinContext> makeContext(const char* font)
    {
        auto context = std::make_unique<OrlinContext>(windowWidth, windowHeight, font, panelColour, panelEdgeColour,
                                                      keyCapColour, dividerColour, textColour, textStrongColour,
                                                      inkColour, titleBarColour, shadowColour, false);
        context->setHelp("Controls", helpRows, static_cast<int>(std::size(helpRows)));
        context->keepPanelsLeftOf(gauge.x0);
        context->resize(windowWidth, windowHeight);
        return context;
    }

    std::unique_ptr<OrlinContext> makeContext() { return makeContext(fontPath.c_str()); }

    // Clears the window, lets the overlay draw over it and reads the result.
    Frame drawOverlay(OrlinContext& context)
    {
        clearWindow();
        context.resetView();
        context.draw();
        return readFrame();
    }

    static void pressKey(OrlinContext& context, int key)
    {
        context.keyDown(key, 0, 0, 0, 0);
        context.keyUp(key, 0, 0, 0, 0);
    }

    std::string fontPath;
    const Rgb text = byteColour(textColour);
    const Rgb textStrong = byteColour(textStrongColour);
};

TEST_F(OverlayTest, HelpTextIsDrawnInTheTopLeftPanelAndNothingOverTheGauge)
{
    auto context = makeContext();
    const Frame frame = drawOverlay(*context);

    EXPECT_GT(frame.countColour(topLeft, text), 150) << "too little help text";
    EXPECT_GT(frame.countColour(topLeft, textStrong), 100) << "too few key names";
    EXPECT_EQ(frame.countDrawnOutside(topLeft), 0) << "the help panel spills out of the top-left corner";
    EXPECT_EQ(frame.countDrawn(gauge), 0);

    pressKey(*context, orlinKeyF2);
    const Frame withFrameRate = drawOverlay(*context);
    EXPECT_EQ(withFrameRate.countDrawn(gauge), 0) << "the frame rate covers the gauge";
}

// The panel shows what the host gives it, and however long a row, it stops
// a margin short of the column the host keeps for itself.
TEST_F(OverlayTest, HelpPanelShowsTheHostsRowsAndStaysLeftOfItsLimit)
{
    auto context = makeContext();
    context->setHelp("Help", nullptr, 0);
    EXPECT_EQ(drawOverlay(*context).countDrawn(wholeWindow), 0) << "an empty help panel was drawn";

    const std::string longAction(300, 'W');
    const OrlinHelpRow rows[] = {{"F9", "short"}, {"Some very long key name", longAction.c_str()}};
    context->setHelp("Help", rows, 2);
    context->keepPanelsLeftOf(300);
    const Frame frame = drawOverlay(*context);
    EXPECT_GT(frame.countColour(topLeft, text), 50);
    EXPECT_EQ(frame.countDrawnOutside(Region{0, 0, 300 - 12 + 4, windowHeight}), 0)
        << "the panel (with its 4-pixel shadow) reaches past its limit";
    EXPECT_GT(frame.countDrawn(Region{300 - 12 - 20, windowHeight / 2, 300 - 12, windowHeight}), 0)
        << "the long row did not use the width it was allowed";
}

// The host's swatches come out in their own colours in the bottom-left
// corner, only while shown; malformed groups are left out, not read.
TEST_F(OverlayTest, ChartShowsTheHostsSwatchesAndPlotOnlyWhileShown)
{
    auto context = makeContext();
    pressKey(*context, orlinKeyF1);  // the help out of the way
    const unsigned char swatches[4 * 3] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
    const float lineColour[4] = {1.0f, 0.5f, 0.0f, 1.0f};
    const float values[3] = {0.0f, 0.5f, 1.0f};
    const OrlinSwatchGroup groups[] = {{"two by two", 2, 2, swatches},
                                       {"no colours", 3, 3, nullptr},
                                       {"far too many", 100000, 100000, swatches}};
    const OrlinPlotLine lines[] = {{values, 3, lineColour}};
    const OrlinChart chart{"Chart", groups, 3, lines, 1, 0.5f, "left", "right"};
    context->setChart(&chart);
    EXPECT_EQ(drawOverlay(*context).countDrawn(wholeWindow), 0) << "a chart that was not asked to show";

    context->showChart(true);
    const Frame frame = drawOverlay(*context);
    EXPECT_GE(frame.countColour(bottomLeft, {255, 0, 0}), 14 * 14);
    EXPECT_GE(frame.countColour(bottomLeft, {0, 0, 255}), 14 * 14);
    EXPECT_GT(frame.countColour(wholeWindow, {255, 128, 0}), 50) << "no plot line";
    EXPECT_EQ(frame.countDrawn(gauge), 0);

    // A group with a note shows its words in the swatches' place; the strip
    // and a mark on the plot show in their colours, a mark off it not at all.
    const char* const notes[] = {"red gone: no balance brings it back", nullptr, nullptr};
    const unsigned char band[2 * 3] = {200, 40, 120, 200, 40, 120};
    const float onPlot[4] = {0.0f, 1.0f, 1.0f, 1.0f};
    const float offPlot[4] = {0.2f, 0.2f, 1.0f, 1.0f};
    const OrlinPlotMark marks[] = {{0.25f, onPlot, ""}, {1.5f, offPlot, ""}};
    OrlinChart explained = chart;
    explained.groupNotes = notes;
    explained.band = band;
    explained.bandCount = 2;
    explained.marks = marks;
    explained.markCount = 2;
    context->setChart(&explained);
    const Frame withWords = drawOverlay(*context);
    EXPECT_EQ(withWords.countColour(bottomLeft, {255, 0, 0}), 0) << "swatches under the note";
    EXPECT_GT(withWords.countColour(bottomLeft, {200, 40, 120}), 100) << "no strip";
    EXPECT_GT(withWords.countColour(bottomLeft, {0, 255, 255}), 4) << "no mark";
    EXPECT_EQ(withWords.countColour(wholeWindow, {51, 51, 255}), 0) << "a mark off the plot";

    context->setChart(nullptr);
    EXPECT_EQ(drawOverlay(*context).countDrawn(wholeWindow), 0) << "the chart outlived its content";
}

TEST_F(OverlayTest, HelpPanelFollowsTheWindowsTopEdgeAfterAResize)
{
    auto context = makeContext();
    glViewport(0, 0, 400, 300);
    context->resize(400, 300);
    const Frame frame = drawOverlay(*context);
    const Region upperPart{0, 100, 400, 300};
    EXPECT_GT(frame.countColour(upperPart, text), 150);
    EXPECT_EQ(frame.countDrawnOutside(upperPart), 0);
}

// At a scale of 1.5 the panel is half as large again each way, its font
// rasterised at that size (so its text is as crisp), and still left of the
// column the host keeps; back at 1 it is as it was.
TEST_F(OverlayTest, ScaleGrowsThePanelAndItsTextInProportion)
{
    auto context = makeContext();
    const auto extent = [](const Frame& frame) {
        Region drawn{windowWidth, windowHeight, 0, 0};
        const Rgb clear = byteColour(background);
        for (int y = 0; y < windowHeight; ++y)
            for (int x = 0; x < windowWidth; ++x)
                if (!(frame.at(x, y) == clear))
                    drawn = {std::min(drawn.x0, x), std::min(drawn.y0, y), std::max(drawn.x1, x + 1),
                             std::max(drawn.y1, y + 1)};
        return drawn;
    };
    const Frame normal = drawOverlay(*context);
    const Region one = extent(normal);
    context->setScale(1.5f);
    const Frame larger = drawOverlay(*context);
    const Region big = extent(larger);
    const double wider = static_cast<double>(big.x1 - big.x0) / (one.x1 - one.x0);
    const double taller = static_cast<double>(big.y1 - big.y0) / (one.y1 - one.y0);
    EXPECT_NEAR(wider, 1.5, 0.08);
    EXPECT_NEAR(taller, 1.5, 0.08);
    EXPECT_EQ(big.y1, windowHeight - 18) << "not a grown margin from the top edge";
    EXPECT_LE(big.x1, gauge.x0);
    const double moreText = static_cast<double>(larger.countColour(wholeWindow, text)) /
                            normal.countColour(wholeWindow, text);
    EXPECT_GT(moreText, 1.8) << "the text was not rasterised at the larger size";

    context->setScale(1.0f);
    EXPECT_EQ(drawOverlay(*context).rgba, normal.rgba);
}

TEST_F(OverlayTest, ResetViewLeavesAPixelProjectionAndAnIdentityModelView)
{
    auto context = makeContext();
    context->resize(320, 200);
    glMatrixMode(GL_TEXTURE);
    glMatrixMode(GL_PROJECTION);
    glRotatef(30.0f, 0.0f, 0.0f, 1.0f);
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(5.0f, 6.0f, 7.0f);

    context->resetView();

    EXPECT_EQ(getInt(GL_MATRIX_MODE), GL_MODELVIEW);
    const std::array<float, 16> projection = getMatrix(GL_PROJECTION_MATRIX);
    const std::array<float, 16> ortho = {2.0f / 320, 0, 0, 0, 0, 2.0f / 200, 0, 0, 0, 0, -1, 0, -1, -1, 0, 1};
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(projection[static_cast<std::size_t>(i)], ortho[static_cast<std::size_t>(i)], 1e-6f) << i;
    const std::array<float, 16> modelView = getMatrix(GL_MODELVIEW_MATRIX);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(modelView[static_cast<std::size_t>(i)], i % 5 == 0 ? 1.0f : 0.0f) << i;
}

TEST_F(OverlayTest, F1HidesAndShowsTheHelp)
{
    auto context = makeContext();
    const int shownText = drawOverlay(*context).countColour(topLeft, text);
    ASSERT_GT(shownText, 0);

    pressKey(*context, orlinKeyF1);
    EXPECT_EQ(drawOverlay(*context).countDrawn(wholeWindow), 0) << "F1 did not hide the help";

    pressKey(*context, orlinKeyF1);
    EXPECT_EQ(drawOverlay(*context).countColour(topLeft, text), shownText) << "F1 did not bring the help back";
}

TEST_F(OverlayTest, HoldingF1TogglesOnceAndCtrlF1NotAtAll)
{
    auto context = makeContext();
    // Key repeat: several presses before the release.
    for (int i = 0; i < 5; ++i)
        context->keyDown(orlinKeyF1, 0, 0, 0, 0);
    context->keyUp(orlinKeyF1, 0, 0, 0, 0);
    EXPECT_EQ(drawOverlay(*context).countDrawn(wholeWindow), 0);

    heldModifiers = orlinModControl;
    pressKey(*context, orlinKeyF1);
    EXPECT_EQ(drawOverlay(*context).countDrawn(wholeWindow), 0) << "Ctrl+F1 toggled the help";
}

// The arrows, Ctrl+Q and the mouse belong to the program: the overlay must
// not change or ask for anything because of them.
TEST_F(OverlayTest, KeysAndMouseThatTheProgramUsesLeaveTheOverlayAlone)
{
    auto context = makeContext();
    const Frame before = drawOverlay(*context);
    const std::size_t requestsBefore = timerRequests().size();

    // (Escape closes the overlay's panels: see EscapeClosesOnePanelAPress.)
    const int programKeys[] = {orlinKeyUp, orlinKeyDown, orlinKeyLeft, orlinKeyRight, 'q', 'Q', 'a', 10};
    for (int key : programKeys)
        pressKey(*context, key);
    heldModifiers = orlinModControl;
    pressKey(*context, 'q');
    heldModifiers = 0;
    context->mouseDown(0, 100, 400, 0, 0);
    context->mouseDrag(120, 380, 0, 0);
    context->mouseUp(0, 120, 380, 0, 0);
    context->mouseMove(50, 450, 0, 0);
    context->scrollWheel(1, 50, 450, 0, 0);

    const Frame after = drawOverlay(*context);
    EXPECT_EQ(after.rgba, before.rgba);
    EXPECT_EQ(timerRequests().size(), requestsBefore);
}

TEST_F(OverlayTest, TheStartUpHelpFadesAwayThroughTimers)
{
    auto context = makeContext();
    ASSERT_EQ(timerRequests().size(), 1u) << "the context should ask for one timer to start the fade";
    const unsigned delay = timerRequests().front().milliseconds;
    EXPECT_GE(delay, 2000u) << "the help would vanish before it can be read";
    EXPECT_LE(delay, 15000u);
    const int shownText = drawOverlay(*context).countColour(topLeft, text);
    ASSERT_GT(shownText, 0);

    fireRequests();
    const Frame fading = drawOverlay(*context);
    EXPECT_GT(fading.countDrawn(topLeft), 0) << "the first fade step removed the panel at once";
    EXPECT_EQ(fading.countColour(topLeft, text), 0) << "the text should be fading";

    unsigned fadeMilliseconds = 0;
    int steps = 0;
    while (!timerRequests().empty() && steps < 1000) {
        EXPECT_LE(timerRequests().front().milliseconds, 200u) << "fade steps should be short";
        fadeMilliseconds += timerRequests().front().milliseconds;
        fireRequests();
        ++steps;
    }
    EXPECT_LE(fadeMilliseconds, 3000u);
    EXPECT_TRUE(timerRequests().empty()) << "the fade never ends";
    // All that is left is a small hint in the help's corner.
    const Region hintCorner{0, windowHeight - 60, 160, windowHeight};
    const Frame faded = drawOverlay(*context);
    EXPECT_GT(faded.countColour(hintCorner, text), 5) << "nothing says how to bring the help back";
    EXPECT_EQ(faded.countDrawnOutside(hintCorner), 0) << "more than a small hint is left after the fade";

    // F1 still brings it back, without the hint, and then it stays; the next
    // F1 hides it and leaves nothing.
    pressKey(*context, orlinKeyF1);
    EXPECT_EQ(drawOverlay(*context).countColour(topLeft, text), shownText);
    EXPECT_TRUE(timerRequests().empty());
    pressKey(*context, orlinKeyF1);
    EXPECT_EQ(drawOverlay(*context).countDrawn(wholeWindow), 0) << "the hint came back after F1 hid the help";
}

TEST_F(OverlayTest, HelpAskedForWithF1DoesNotFadeAway)
{
    auto context = makeContext();
    const int shownText = drawOverlay(*context).countColour(topLeft, text);
    pressKey(*context, orlinKeyF1);
    pressKey(*context, orlinKeyF1);

    for (int i = 0; i < 50 && !timerRequests().empty(); ++i)
        fireRequests();

    EXPECT_EQ(drawOverlay(*context).countColour(topLeft, text), shownText);
}

TEST_F(OverlayTest, TimersOutlivingTheirContextDoNothing)
{
    auto first = makeContext();
    ASSERT_EQ(timerRequests().size(), 1u);
    first.reset();
    auto second = makeContext();
    const int shownText = drawOverlay(*second).countColour(topLeft, text);

    // Only the first context's fade timer fires: the second is untouched.
    const TimerRequest stale = timerRequests().front();
    stale.fn(stale.arg);

    EXPECT_EQ(drawOverlay(*second).countColour(topLeft, text), shownText);
}

TEST_F(OverlayTest, F2ShowsTheFrameRateRefreshedTwiceASecond)
{
    auto context = makeContext();
    pressKey(*context, orlinKeyF1);  // the help out of the way
    timerRequests().clear();
    EXPECT_EQ(drawOverlay(*context).countDrawn(wholeWindow), 0);

    pressKey(*context, orlinKeyF2);
    ASSERT_EQ(timerRequests().size(), 1u);
    EXPECT_EQ(timerRequests().front().milliseconds, 500u);
    const Frame first = drawOverlay(*context);
    EXPECT_GT(first.countColour(bottomLeft, text), 25) << "no frame-rate labels";
    EXPECT_EQ(first.countDrawnOutside(bottomLeft), 0);

    drawOverlay(*context);
    fireRequests();
    ASSERT_EQ(timerRequests().size(), 1u) << "the refresh should ask for the next one";
    EXPECT_EQ(timerRequests().front().milliseconds, 500u);
    const Frame refreshed = drawOverlay(*context);
    EXPECT_GT(refreshed.countColour(bottomLeft, textStrong), first.countColour(bottomLeft, textStrong))
        << "the figures did not replace the placeholders";

    pressKey(*context, orlinKeyF2);
    EXPECT_EQ(drawOverlay(*context).countDrawn(wholeWindow), 0) << "F2 did not hide the frame rate";
    fireRequests();
    EXPECT_TRUE(timerRequests().empty()) << "refreshes go on while hidden";
}

TEST_F(OverlayTest, QuickF2OffAndOnKeepsOneRefreshTimer)
{
    auto context = makeContext();
    timerRequests().clear();
    pressKey(*context, orlinKeyF2);
    pressKey(*context, orlinKeyF2);
    pressKey(*context, orlinKeyF2);
    ASSERT_EQ(timerRequests().size(), 1u);
    fireRequests();
    EXPECT_EQ(timerRequests().size(), 1u);
}

// Escape closes one open panel a press, the help first, and leaves the
// "F1: help" hint; held down it closes no more; with nothing open it does
// nothing, and the host is told so.
TEST_F(OverlayTest, EscapeClosesOnePanelAPress)
{
    auto context = makeContext();
    pressKey(*context, orlinKeyF2);
    ASSERT_TRUE(context->panelOpen());
    const int helpText = drawOverlay(*context).countColour(topLeft, text);
    context->keyDown(orlinKeyEscape, 0, 0, 0, 0);
    context->keyDown(orlinKeyEscape, 0, 0, 0, 0);  // key repeat
    const Frame helpClosed = drawOverlay(*context);
    EXPECT_GT(helpClosed.countColour(bottomLeft, text), 25) << "the frame rate went with the help";
    const int hintText = helpClosed.countColour(topLeft, text) + helpClosed.countColour(topLeft, textStrong);
    EXPECT_GT(hintText, 0) << "no F1 hint where the help was";
    EXPECT_LT(hintText, helpText / 3) << "the help is still there";
    EXPECT_TRUE(context->panelOpen());
    context->keyUp(orlinKeyEscape, 0, 0, 0, 0);
    pressKey(*context, orlinKeyEscape);
    EXPECT_EQ(drawOverlay(*context).countColour(bottomLeft, text), 0) << "the frame rate stayed";
    EXPECT_FALSE(context->panelOpen());
}

// The GL state a host might have when it calls draw, read back as a table.
struct StateEntry {
    std::string name;
    std::function<std::vector<double>()> read;
};

std::vector<double> ints(GLenum pname, int n)
{
    GLint values[16] = {};
    glGetIntegerv(pname, values);
    return std::vector<double>(values, values + n);
}

std::vector<double> floats(GLenum pname, int n)
{
    GLfloat values[16] = {};
    glGetFloatv(pname, values);
    return std::vector<double>(values, values + n);
}

std::vector<StateEntry> stateTable()
{
    std::vector<StateEntry> table;
    const std::pair<const char*, GLenum> caps[] = {
        {"GL_BLEND", GL_BLEND},
        {"GL_TEXTURE_2D", GL_TEXTURE_2D},
        {"GL_DEPTH_TEST", GL_DEPTH_TEST},
        {"GL_LIGHTING", GL_LIGHTING},
        {"GL_FOG", GL_FOG},
        {"GL_CULL_FACE", GL_CULL_FACE},
        {"GL_COLOR_MATERIAL", GL_COLOR_MATERIAL},
        {"GL_ALPHA_TEST", GL_ALPHA_TEST},
        {"GL_SCISSOR_TEST", GL_SCISSOR_TEST},
        {"GL_STENCIL_TEST", GL_STENCIL_TEST},
        {"GL_TEXTURE_GEN_S", GL_TEXTURE_GEN_S},
        {"GL_LINE_SMOOTH", GL_LINE_SMOOTH},
        {"GL_VERTEX_ARRAY", GL_VERTEX_ARRAY},
        {"GL_TEXTURE_COORD_ARRAY", GL_TEXTURE_COORD_ARRAY},
        {"GL_COLOR_ARRAY", GL_COLOR_ARRAY},
    };
    for (const auto& [name, cap] : caps)
        table.push_back({name, [cap = cap] { return std::vector<double>{glIsEnabled(cap) ? 1.0 : 0.0}; }});
    const std::tuple<const char*, GLenum, int> intValues[] = {
        {"GL_BLEND_SRC", GL_BLEND_SRC, 1},
        {"GL_BLEND_DST", GL_BLEND_DST, 1},
        {"GL_TEXTURE_BINDING_2D", GL_TEXTURE_BINDING_2D, 1},
        {"GL_UNPACK_ALIGNMENT", GL_UNPACK_ALIGNMENT, 1},
        {"GL_UNPACK_ROW_LENGTH", GL_UNPACK_ROW_LENGTH, 1},
        {"GL_UNPACK_SKIP_ROWS", GL_UNPACK_SKIP_ROWS, 1},
        {"GL_PACK_ALIGNMENT", GL_PACK_ALIGNMENT, 1},
        {"GL_MATRIX_MODE", GL_MATRIX_MODE, 1},
        {"GL_PROJECTION_STACK_DEPTH", GL_PROJECTION_STACK_DEPTH, 1},
        {"GL_MODELVIEW_STACK_DEPTH", GL_MODELVIEW_STACK_DEPTH, 1},
        {"GL_TEXTURE_STACK_DEPTH", GL_TEXTURE_STACK_DEPTH, 1},
        {"GL_ATTRIB_STACK_DEPTH", GL_ATTRIB_STACK_DEPTH, 1},
        {"GL_CLIENT_ATTRIB_STACK_DEPTH", GL_CLIENT_ATTRIB_STACK_DEPTH, 1},
        {"GL_POLYGON_MODE", GL_POLYGON_MODE, 2},
        {"GL_SHADE_MODEL", GL_SHADE_MODEL, 1},
        {"GL_VIEWPORT", GL_VIEWPORT, 4},
        {"GL_DEPTH_WRITEMASK", GL_DEPTH_WRITEMASK, 1},
    };
    for (const auto& [name, pname, n] : intValues)
        table.push_back({name, [pname = pname, n = n] { return ints(pname, n); }});
    const std::tuple<const char*, GLenum, int> floatValues[] = {
        {"GL_CURRENT_COLOR", GL_CURRENT_COLOR, 4},
        {"GL_CURRENT_TEXTURE_COORDS", GL_CURRENT_TEXTURE_COORDS, 4},
        {"GL_PROJECTION_MATRIX", GL_PROJECTION_MATRIX, 16},
        {"GL_MODELVIEW_MATRIX", GL_MODELVIEW_MATRIX, 16},
        {"GL_TEXTURE_MATRIX", GL_TEXTURE_MATRIX, 16},
        {"GL_FOG_COLOR", GL_FOG_COLOR, 4},
    };
    for (const auto& [name, pname, n] : floatValues)
        table.push_back({name, [pname = pname, n = n] { return floats(pname, n); }});
    table.push_back({"GL_TEXTURE_ENV_MODE", [] {
                         GLint mode = 0;
                         glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
                         return std::vector<double>{static_cast<double>(mode)};
                     }});
    // Colour material would copy the overlay's colours into the material.
    table.push_back({"material diffuse", [] {
                         GLfloat diffuse[4] = {};
                         glGetMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
                         return std::vector<double>(diffuse, diffuse + 4);
                     }});
    table.push_back({"bound texture's min filter", [] {
                         GLint filter = 0;
                         glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
                         return std::vector<double>{static_cast<double>(filter)};
                     }});
    return table;
}

std::vector<std::vector<double>> snapshot(const std::vector<StateEntry>& table)
{
    std::vector<std::vector<double>> values;
    for (const StateEntry& entry : table)
        values.push_back(entry.read());
    return values;
}

GLuint makeHostTexture()
{
    const unsigned char texel[4] = {10, 20, 30, 255};
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texel);
    return texture;
}

// What the program has set when its frame reaches the overlay.
void programFrameState()
{
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_FOG);
    glEnable(GL_CULL_FACE);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_LINE_SMOOTH);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, windowWidth, 0, windowHeight, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// Everything the overlay must undo turned the other way.
void unusualState()
{
    glDisable(GL_BLEND);
    glBlendFunc(GL_DST_COLOR, GL_ONE);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
    glDepthMask(GL_FALSE);
    glEnable(GL_LIGHTING);
    glEnable(GL_ALPHA_TEST);
    glEnable(GL_SCISSOR_TEST);
    glScissor(600, 0, 10, 10);
    glEnable(GL_TEXTURE_GEN_S);
    const GLfloat fog[4] = {0.9f, 0.1f, 0.2f, 1.0f};
    glFogfv(GL_FOG_COLOR, fog);
    const GLfloat diffuse[4] = {0.6f, 0.5f, 0.4f, 0.3f};
    glMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 3);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 2);
    glPixelStorei(GL_PACK_ALIGNMENT, 2);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glColor4f(0.25f, 0.5f, 0.75f, 0.5f);
    glTexCoord4f(0.3f, 0.7f, 0.1f, 1.0f);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glShadeModel(GL_FLAT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-1, 1, -0.75, 0.75, 1, 100);
    glPushMatrix();
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glScalef(2.0f, 3.0f, 1.0f);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(33.0f, 0.2f, 0.5f, 0.7f);
    glTranslatef(1.0f, 2.0f, -3.0f);
    glPushAttrib(GL_ENABLE_BIT);
    glMatrixMode(GL_TEXTURE);
}

struct StartingState {
    const char* name;
    void (*apply)();
};

void PrintTo(const StartingState& state, std::ostream* out)
{
    *out << state.name;
}

class OverlayGlState : public OverlayTest, public ::testing::WithParamInterface<StartingState> {};

TEST_P(OverlayGlState, DrawLeavesEveryPieceOfStateAsItFoundIt)
{
    auto context = makeContext();
    pressKey(*context, orlinKeyF2);  // both panels, every kind of quad
    const GLuint hostTexture = makeHostTexture();
    clearWindow();
    GetParam().apply();
    const std::vector<StateEntry> table = stateTable();
    while (glGetError() != GL_NO_ERROR) {
    }

    // Twice: the first draw also uploads the glyph atlas.
    for (int pass = 0; pass < 2; ++pass) {
        const auto before = snapshot(table);
        context->draw();
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "pass " << pass;
        const auto after = snapshot(table);
        for (std::size_t i = 0; i < table.size(); ++i)
            EXPECT_EQ(after[i], before[i]) << table[i].name << " changed by draw, pass " << pass;
    }
    EXPECT_EQ(getInt(GL_TEXTURE_BINDING_2D), static_cast<int>(hostTexture));

    // And the overlay came out as it should despite the state it was given.
    const Frame frame = readFrame();
    EXPECT_GT(frame.countColour(topLeft, text), 150);
    EXPECT_GT(frame.countColour(bottomLeft, text), 25);
}

INSTANTIATE_TEST_SUITE_P(States, OverlayGlState,
                         ::testing::Values(StartingState{"ProgramFrame", programFrameState},
                                           StartingState{"Unusual", unusualState}),
                         [](const ::testing::TestParamInfo<StartingState>& info) { return info.param.name; });

// Fonts that cannot be used: panels without text, one warning, no crash.
struct BadFont {
    const char* name;
    std::string (*path)(const std::string& goodFont, const std::string& scratch);
};

void PrintTo(const BadFont& font, std::ostream* out)
{
    *out << font.name;
}

std::string writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

class UnusableFont : public OverlayTest, public ::testing::WithParamInterface<BadFont> {
protected:
    void SetUp() override
    {
        OverlayTest::SetUp();
        // A folder of this test's own: the cases run side by side.
        folder = makeTempDir();
        ASSERT_FALSE(folder.empty());
    }
    void TearDown() override
    {
        removeTree(folder);
        OverlayTest::TearDown();
    }
    std::string scratch() const { return folder + "/bad_font.ttf"; }
    std::string folder;
};

TEST_P(UnusableFont, GivesPanelsWithoutTextAndOneWarning)
{
    const bool noPath = GetParam().path == nullptr;
    const std::string path = noPath ? std::string() : GetParam().path(fontPath, scratch());

    ::testing::internal::CaptureStderr();
    auto context = makeContext(noPath ? nullptr : path.c_str());
    Frame frame = drawOverlay(*context);
    pressKey(*context, orlinKeyF2);
    frame = drawOverlay(*context);
    const std::string errors = ::testing::internal::GetCapturedStderr();

    EXPECT_GT(frame.countDrawn(topLeft), 10000) << "the help panel is gone";
    EXPECT_GT(frame.countDrawn(bottomLeft), 5000) << "the frame-rate panel is gone";
    EXPECT_EQ(frame.countDrawn(gauge), 0);
    EXPECT_EQ(frame.countColour(wholeWindow, text), 0);
    EXPECT_EQ(frame.countColour(wholeWindow, textStrong), 0);
    std::size_t lines = 0;
    for (char c : errors)
        lines += c == '\n' ? 1 : 0;
    EXPECT_EQ(lines, 1u) << errors;
    EXPECT_NE(errors.find("font"), std::string::npos) << errors;
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, UnusableFont,
    ::testing::Values(
        BadFont{"Missing", [](const std::string&, const std::string&) { return std::string("/no/such/font.ttf"); }},
        BadFont{"EmptyPath", [](const std::string&, const std::string&) { return std::string(); }},
        BadFont{"NoPath", nullptr},
        BadFont{"Folder", [](const std::string&, const std::string&) { return std::string("/"); }},
        BadFont{"NotAFont",
                [](const std::string&, const std::string& scratch) {
                    return writeFile(scratch, std::string(4096, 'x'));
                }},
        BadFont{"Truncated",
                [](const std::string& good, const std::string& scratch) {
                    std::ifstream in(good, std::ios::binary);
                    std::string head(2048, '\0');
                    in.read(head.data(), static_cast<std::streamsize>(head.size()));
                    head.resize(static_cast<std::size_t>(in.gcount()));
                    return writeFile(scratch, head);
                }}),
    [](const ::testing::TestParamInfo<BadFont>& info) { return info.param.name; });

}  // namespace
