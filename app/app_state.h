// Program-wide objects of the application shell, created at start-up and
// released by teardown.
#pragma once

#include <orlin/orlin.h>
#include <orlin/orlin_list.h>

struct TimerCallback;

extern OrlinContext* guiContext;
extern OrlinList<TimerCallback>* timerList;
extern char* fontPath;
extern int windowWidth;
extern int windowHeight;
extern double framesPerSecond;  // +infinity until the first ten frames are measured
extern double lastTimerPass;    // clock reading of the previous timer pass

constexpr int initialWindowWidth = 640;
constexpr int initialWindowHeight = 480;
