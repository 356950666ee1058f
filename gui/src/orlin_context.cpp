#include <orlin/orlin.h>

#include <GL/gl.h>

namespace {

OrlinAddTimerFn hostAddTimer = nullptr;
OrlinNotifyFn hostNotify = nullptr;
OrlinModifiersFn hostModifiers = nullptr;

}  // namespace

const float orlinWhite[4] = {1.0f, 1.0f, 1.0f, 1.0f};
const float orlinBlack[4] = {0.0f, 0.0f, 0.0f, 1.0f};

void orlinInit(OrlinAddTimerFn addTimer, OrlinNotifyFn notify, OrlinModifiersFn modifiers)
{
    hostAddTimer = addTimer;
    hostNotify = notify;
    hostModifiers = modifiers;
}

struct OrlinContext::Impl {
    int width;
    int height;
};

OrlinContext::OrlinContext(int width, int height, const char*, const float*, const float*, const float*,
                           const float*, const float*, const float*, const float*, const float*, const float*, bool)
    : impl(new Impl{width, height})
{
}

OrlinContext::~OrlinContext()
{
    delete impl;
}

void OrlinContext::resize(int width, int height)
{
    impl->width = width;
    impl->height = height;
}

void OrlinContext::resetView()
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, impl->width, 0.0, impl->height, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void OrlinContext::draw() {}
void OrlinContext::keyDown(int, int, int, int, int) {}
void OrlinContext::keyUp(int, int, int, int, int) {}
void OrlinContext::mouseDown(int, int, int, int, int) {}
void OrlinContext::mouseUp(int, int, int, int, int) {}
void OrlinContext::scrollWheel(int, int, int, int, int) {}
void OrlinContext::mouseMove(int, int, int, int) {}
void OrlinContext::mouseDrag(int, int, int, int) {}
