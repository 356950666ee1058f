#include "input/pointer_state.h"

int mouseX = 0;
int mouseY = 0;
bool mouseLookActive = false;
int lookAnchorX = 0;
int lookAnchorY = 0;
