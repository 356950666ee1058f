// A recording stand-in for the Orlin library, linked in its place: every
// call the program makes into the GUI is kept, in order, for tests to read.
#pragma once

#include <string>
#include <vector>

#include <orlin/orlin.h>

struct OrlinCall {
    std::string name;        // "keyDown", "resize", "draw", ...
    std::vector<int> args;   // the integer arguments, in order
    bool operator==(const OrlinCall&) const = default;
};

std::vector<OrlinCall>& orlinCalls();
void clearOrlinCalls();
// The calls with this name, in order.
std::vector<OrlinCall> orlinCallsNamed(const std::string& name);

// What orlinInit was given.
struct OrlinInitArgs {
    OrlinAddTimerFn addTimer = nullptr;
    OrlinNotifyFn notify = nullptr;
    OrlinModifiersFn modifiers = nullptr;
    int initCount = 0;
};
OrlinInitArgs& orlinInitArgs();

// What the last constructed context was given.
struct OrlinConstructorArgs {
    int width = 0;
    int height = 0;
    std::string fontPath;
    float colors[9][4] = {};
    bool debugOutline = false;
    int constructed = 0;
    int destroyed = 0;
};
OrlinConstructorArgs& orlinConstructorArgs();
