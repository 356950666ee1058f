#include "orlin_recording.h"

#include <cmath>

#include <GL/gl.h>

const float orlinWhite[4] = {1.0f, 1.0f, 1.0f, 1.0f};
const float orlinBlack[4] = {0.0f, 0.0f, 0.0f, 1.0f};

std::vector<OrlinCall>& orlinCalls()
{
    static std::vector<OrlinCall> calls;
    return calls;
}

void clearOrlinCalls()
{
    orlinCalls().clear();
}

std::vector<OrlinCall> orlinCallsNamed(const std::string& name)
{
    std::vector<OrlinCall> found;
    for (const OrlinCall& call : orlinCalls())
        if (call.name == name)
            found.push_back(call);
    return found;
}

OrlinInitArgs& orlinInitArgs()
{
    static OrlinInitArgs args;
    return args;
}

OrlinConstructorArgs& orlinConstructorArgs()
{
    static OrlinConstructorArgs args;
    return args;
}

void orlinInit(OrlinAddTimerFn addTimer, OrlinNotifyFn notify, OrlinModifiersFn modifiers)
{
    OrlinInitArgs& args = orlinInitArgs();
    args.addTimer = addTimer;
    args.notify = notify;
    args.modifiers = modifiers;
    ++args.initCount;
    orlinCalls().push_back({"orlinInit", {}});
}

void orlinSetTranslator(OrlinTranslateFn translate)
{
    orlinInitArgs().translate = translate;
    orlinCalls().push_back({"orlinSetTranslator", {translate != nullptr ? 1 : 0}});
}

struct OrlinContext::Impl {
    int width;
    int height;
};

OrlinContext::OrlinContext(int width, int height, const char* fontPath, const float* c1, const float* c2,
                           const float* c3, const float* c4, const float* c5, const float* c6, const float* c7,
                           const float* c8, const float* c9, bool debugOutline)
    : impl(new Impl{width, height})
{
    OrlinConstructorArgs& args = orlinConstructorArgs();
    args.width = width;
    args.height = height;
    args.fontPath = fontPath != nullptr ? fontPath : "";
    const float* colors[9] = {c1, c2, c3, c4, c5, c6, c7, c8, c9};
    for (int i = 0; i < 9; ++i)
        for (int k = 0; k < 4; ++k)
            args.colors[i][k] = colors[i][k];
    args.debugOutline = debugOutline;
    ++args.constructed;
    orlinCalls().push_back({"construct", {width, height}});
}

OrlinContext::~OrlinContext()
{
    ++orlinConstructorArgs().destroyed;
    orlinCalls().push_back({"destroy", {}});
    delete impl;
}

void OrlinContext::setHelp(const char* title, const OrlinHelpRow* rows, int rowCount)
{
    OrlinConstructorArgs& args = orlinConstructorArgs();
    args.helpTitle = title != nullptr ? title : "";
    args.helpRows.clear();
    for (int i = 0; i < rowCount; ++i)
        args.helpRows.push_back({rows[i].keys, rows[i].action});
    orlinCalls().push_back({"setHelp", {rowCount}});
}

void OrlinContext::setChart(const OrlinChart* chart)
{
    orlinCalls().push_back({"setChart", {chart != nullptr ? chart->groupCount : -1}});
}

void OrlinContext::setLabelHeight(int pixels)
{
    orlinCalls().push_back({"setLabelHeight", {pixels}});
}

void OrlinContext::showChart(bool shown)
{
    orlinCalls().push_back({"showChart", {shown ? 1 : 0}});
}

void OrlinContext::setLabel(const char* text, int right, int top)
{
    orlinConstructorArgs().label = text != nullptr ? text : "";
    orlinCalls().push_back({"setLabel", {right, top}});
}

void OrlinContext::setCaptions(const OrlinCaption* captions, int count)
{
    std::vector<int> values;
    for (int i = 0; captions != nullptr && i < count; ++i) {
        values.push_back(captions[i].x);
        values.push_back(captions[i].top);
    }
    orlinCalls().push_back({"setCaptions", values});
}

void OrlinContext::showMessage(const char* text, unsigned milliseconds)
{
    orlinConstructorArgs().message = text != nullptr ? text : "";
    orlinCalls().push_back({"showMessage", {static_cast<int>(milliseconds)}});
}

void OrlinContext::setNotice(const char* text)
{
    orlinConstructorArgs().notice = text != nullptr ? text : "";
    orlinCalls().push_back({"setNotice", {}});
}

// The scale is kept in hundredths, as the calls hold integers.
void OrlinContext::setScale(float scale)
{
    orlinCalls().push_back({"setScale", {static_cast<int>(std::lround(scale * 100.0f))}});
}

void OrlinContext::keepPanelsLeftOf(int x)
{
    orlinCalls().push_back({"keepPanelsLeftOf", {x}});
}

void OrlinContext::keepPanelsClearOf(const OrlinRect* areas, int count)
{
    std::vector<int> values;
    for (int i = 0; areas != nullptr && i < count; ++i)
        values.insert(values.end(), {areas[i].x, areas[i].y, areas[i].width, areas[i].height});
    orlinCalls().push_back({"keepPanelsClearOf", values});
}

void OrlinContext::setBriefHelp(const OrlinHelpRow* rows, int rowCount)
{
    OrlinConstructorArgs& args = orlinConstructorArgs();
    args.briefHelpRows.clear();
    for (int i = 0; i < rowCount; ++i)
        args.briefHelpRows.push_back({rows[i].keys, rows[i].action});
    orlinCalls().push_back({"setBriefHelp", {rowCount}});
}

void OrlinContext::resize(int width, int height)
{
    impl->width = width;
    impl->height = height;
    orlinCalls().push_back({"resize", {width, height}});
}

void OrlinContext::glContextReplaced()
{
    orlinCalls().push_back({"glContextReplaced", {}});
}

// The program draws the gauge in pixels right after this, so the double sets
// up the same view the real library does.
void OrlinContext::resetView()
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, impl->width, 0.0, impl->height, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    orlinCalls().push_back({"resetView", {}});
}

void OrlinContext::draw()
{
    orlinCalls().push_back({"draw", {}});
}

bool& orlinPanelOpen()
{
    static bool open = false;
    return open;
}

// A question, not a call: left out of the record.
bool OrlinContext::panelOpen() const
{
    return orlinPanelOpen();
}

void OrlinContext::keyDown(int key, int x, int y, int a, int b)
{
    orlinCalls().push_back({"keyDown", {key, x, y, a, b}});
}

void OrlinContext::keyUp(int key, int x, int y, int a, int b)
{
    orlinCalls().push_back({"keyUp", {key, x, y, a, b}});
}

void OrlinContext::mouseDown(int button, int x, int y, int a, int b)
{
    orlinCalls().push_back({"mouseDown", {button, x, y, a, b}});
}

void OrlinContext::mouseUp(int button, int x, int y, int a, int b)
{
    orlinCalls().push_back({"mouseUp", {button, x, y, a, b}});
}

void OrlinContext::scrollWheel(int direction, int x, int y, int a, int b)
{
    orlinCalls().push_back({"scrollWheel", {direction, x, y, a, b}});
}

void OrlinContext::mouseMove(int x, int y, int a, int b)
{
    orlinCalls().push_back({"mouseMove", {x, y, a, b}});
}

void OrlinContext::mouseDrag(int x, int y, int a, int b)
{
    orlinCalls().push_back({"mouseDrag", {x, y, a, b}});
}
