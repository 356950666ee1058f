// The callbacks the host hands to orlinInit, as the contexts use them.
#pragma once

#include <orlin/orlin.h>

// Asks the host for a timer; false when the host gave no add-timer callback.
bool requestTimer(unsigned milliseconds, void (*fn)(int), int arg);

// The host's modifier bits, or 0 when it gave no modifier callback.
int hostModifiers();
