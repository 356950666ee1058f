#include "app/app_state.h"

#include <cmath>

OrlinContext* guiContext = nullptr;
OrlinList<TimerCallback>* timerList = nullptr;
char* fontPath = nullptr;
int windowWidth = 0;
int windowHeight = 0;
double framesPerSecond = HUGE_VAL;
double lastTimerPass = 0.0;
