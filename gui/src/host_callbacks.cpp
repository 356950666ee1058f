#include "host_callbacks.h"

namespace {

HostCallbacks callbacks;

}  // namespace

void orlinInit(OrlinAddTimerFn addTimer, OrlinNotifyFn notify, OrlinModifiersFn modifiers)
{
    callbacks.addTimer = addTimer;
    callbacks.notify = notify;
    callbacks.modifiers = modifiers;
}

const HostCallbacks& hostCallbacks()
{
    return callbacks;
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
