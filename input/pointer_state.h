// The pointer as the GUI sees it (origin at the lower-left corner) and the
// state of mouse look.
#pragma once

extern int mouseX;
extern int mouseY;           // windowHeight - SDL's y
extern bool mouseLookActive; // from a left-button press to its release
extern int lookAnchorX;      // where the left button went down, in GUI coordinates
extern int lookAnchorY;
