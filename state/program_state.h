// The program-wide values: created or set at start-up, read by every part of
// the program, released by teardown. This is their one home, so any folder
// may include it; it includes nothing of the program's own.
#pragma once

#include <orlin/orlin.h>
#include <orlin/orlin_list.h>

struct TimerCallback;
struct EnvironmentBox;
struct Mesh;

// The window and the GUI.
constexpr int initialWindowWidth = 640;
constexpr int initialWindowHeight = 480;
extern int windowWidth;
extern int windowHeight;
extern bool fullScreen;  // F11 has the window filling the screen
extern OrlinContext* guiContext;
extern char* fontPath;

// The main loop's timing.
extern double framesPerSecond;  // +infinity until the first ten frames are measured
extern OrlinList<TimerCallback>* timerList;
extern double lastTimerPass;    // clock reading of the previous timer pass

// The viewer: how deep, and how the camera looks at the focus point.
extern float depth;           // 10 (surface end) to 90 (sea floor end); from 1 m in the measured waters
extern int colourModel;       // how depth takes the colours: 0 the simple rule, then the water types
extern bool colourChartShown;
extern bool torchOn;          // the diver's torch (F6)
extern bool eyeAdapted;       // the scene shown as an eye adapted to its light (F7)
extern bool surfaceViewShown; // the scene as at the surface beside it (F8)
extern float cameraDistance;  // along the eye's z axis; the eye stays 5 units from the focus
extern float cameraPitch;     // degrees about x, changed by mouse look
extern float cameraYaw;       // degrees about y, changed by mouse look
constexpr float initialCameraPitch = 0.0f;  // what Home turns the camera back to
constexpr float initialCameraYaw = 0.0f;

// The pointer as the GUI sees it (origin at the lower-left corner) and the
// state of mouse look.
extern int mouseX;
extern int mouseY;            // windowHeight - SDL's y
extern bool mouseLookActive;  // from a left-button press to its release
extern int lookAnchorX;       // where the left button went down, in GUI coordinates
extern int lookAnchorY;

// The scene's objects; each piece is drawn only once its pointer is set.
extern EnvironmentBox* environmentBox;
extern float* sunPosition;  // x, y, z in the world
extern Mesh* fishMesh;
