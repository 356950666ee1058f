#include "state/program_state.h"

#include <cmath>

int windowWidth = 0;
int windowHeight = 0;
bool fullScreen = false;
OrlinContext* guiContext = nullptr;
char* fontPath = nullptr;

double framesPerSecond = HUGE_VAL;
OrlinList<TimerCallback>* timerList = nullptr;
double lastTimerPass = 0.0;

float depth = 10.0f;
int colourModel = 0;
bool colourChartShown = false;
bool torchOn = false;
bool eyeAdapted = false;
bool surfaceViewShown = false;
float cameraDistance = -5.0f;
float cameraPitch = initialCameraPitch;
float cameraYaw = initialCameraYaw;

int mouseX = 0;
int mouseY = 0;
bool mouseLookActive = false;
int lookAnchorX = 0;
int lookAnchorY = 0;

EnvironmentBox* environmentBox = nullptr;
float* sunPosition = nullptr;
Mesh* fishMesh = nullptr;
