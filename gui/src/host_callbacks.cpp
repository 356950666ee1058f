#include "host_callbacks.h"

namespace {

struct HostCallbacks {
    OrlinAddTimerFn addTimer = nullptr;
    OrlinNotifyFn notify = nullptr;
    OrlinModifiersFn modifiers = nullptr;
};

HostCallbacks callbacks;

}  // namespace

void orlinInit(OrlinAddTimerFn addTimer, OrlinNotifyFn notify, OrlinModifiersFn modifiers)
{
    callbacks.addTimer = addTimer;
    callbacks.notify = notify;
    callbacks.modifiers = modifiers;
}

bool requestTimer(unsigned milliseconds, void (*fn)(int), int arg)
{
    if (callbacks.addTimer == nullptr)
        return false;
    callbacks.addTimer(milliseconds, fn, arg);
    return true;
}

int hostModifiers()
{
    return callbacks.modifiers != nullptr ? callbacks.modifiers() : 0;
}
