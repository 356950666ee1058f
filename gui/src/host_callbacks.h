// The three callbacks the host hands to orlinInit, kept for the contexts.
#pragma once

#include <orlin/orlin.h>

struct HostCallbacks {
    OrlinAddTimerFn addTimer = nullptr;
    OrlinNotifyFn notify = nullptr;
    OrlinModifiersFn modifiers = nullptr;
};

const HostCallbacks& hostCallbacks();

// Asks the host for a timer; false when the host gave no add-timer callback.
bool requestTimer(unsigned milliseconds, void (*fn)(int), int arg);

// The host's modifier bits, or 0 when it gave no modifier callback.
int hostModifiers();
