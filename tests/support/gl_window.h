// A real OpenGL window for tests (under the test run's Xvfb display).
#pragma once

#include <array>

#include <gtest/gtest.h>

// Opens a 640 x 480 double-buffered OpenGL window through SDL, as the
// program does; closes it again.
bool openTestWindow(int width = 640, int height = 480);
void closeTestWindow();

// Fixture: a window for every test, closed after it.
class GlWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// Reads one pixel, from the back buffer by default. llvmpipe swaps by
// copying, so after a swap the back buffer still holds the frame just shown.
std::array<unsigned char, 4> readPixel(int x, int y, bool frontBuffer = false);

// glGet helpers.
std::array<float, 4> getFloat4(unsigned pname);
std::array<float, 16> getMatrix(unsigned pname);
int getInt(unsigned pname);
bool isEnabled(unsigned cap);

// 0..255 channel of a colour in 0..1, as the framebuffer stores it.
int toByte(float channel);
