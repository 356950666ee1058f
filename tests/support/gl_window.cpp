#include "gl_window.h"

#include <cmath>

#include <GL/gl.h>
#include <SDL.h>

bool openTestWindow(int width, int height)
{
    if (SDL_Init(SDL_INIT_VIDEO) < 0)
        return false;
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    if (SDL_SetVideoMode(width, height, 32, SDL_OPENGL) == nullptr) {
        SDL_Quit();
        return false;
    }
    glViewport(0, 0, width, height);
    return true;
}

void closeTestWindow()
{
    SDL_Quit();
}

void GlWindowTest::SetUp()
{
    ASSERT_TRUE(openTestWindow()) << "no OpenGL window: " << SDL_GetError();
}

void GlWindowTest::TearDown()
{
    closeTestWindow();
}

std::array<unsigned char, 4> readPixel(int x, int y, bool frontBuffer)
{
    std::array<unsigned char, 4> rgba{};
    glReadBuffer(frontBuffer ? GL_FRONT : GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return rgba;
}

std::array<float, 4> getFloat4(unsigned pname)
{
    std::array<float, 4> v{};
    glGetFloatv(pname, v.data());
    return v;
}

std::array<float, 16> getMatrix(unsigned pname)
{
    std::array<float, 16> m{};
    glGetFloatv(pname, m.data());
    return m;
}

int getInt(unsigned pname)
{
    GLint v = 0;
    glGetIntegerv(pname, &v);
    return v;
}

bool isEnabled(unsigned cap)
{
    return glIsEnabled(cap) == GL_TRUE;
}

int toByte(float channel)
{
    return static_cast<int>(std::lround(channel * 255.0f));
}
