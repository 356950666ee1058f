// A recording stand-in for the Orlin library, linked in its place: every
// call the program makes into the GUI is kept, in order, for tests to read.
#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <orlin/orlin.h>

struct OrlinCall {
    std::string name;        // "keyDown", "resize", "draw", ...
    std::vector<int> args;   // the integer arguments, in order
    bool operator==(const OrlinCall&) const = default;
};

// Readable failure messages: keyDown(271, 0, 480, 0, 0).
inline void PrintTo(const OrlinCall& call, std::ostream* out)
{
    *out << call.name << "(";
    for (std::size_t i = 0; i < call.args.size(); ++i)
        *out << (i > 0 ? ", " : "") << call.args[i];
    *out << ")";
}

std::vector<OrlinCall>& orlinCalls();
void clearOrlinCalls();
// The calls with this name, in order.
std::vector<OrlinCall> orlinCallsNamed(const std::string& name);

// What panelOpen answers (false unless a test sets it).
bool& orlinPanelOpen();

// What orlinInit was given.
struct OrlinInitArgs {
    OrlinAddTimerFn addTimer = nullptr;
    OrlinNotifyFn notify = nullptr;
    OrlinModifiersFn modifiers = nullptr;
    int initCount = 0;
    OrlinTranslateFn translate = nullptr;  // as orlinSetTranslator last gave it
};
OrlinInitArgs& orlinInitArgs();

// What the last constructed context was given, help rows included.
struct OrlinConstructorArgs {
    int width = 0;
    int height = 0;
    std::string fontPath;
    float colors[9][4] = {};
    bool debugOutline = false;
    std::string helpTitle;                                      // as setHelp last gave them
    std::vector<std::pair<std::string, std::string>> helpRows;  // keys, action
    std::vector<std::pair<std::string, std::string>> briefHelpRows;  // as setBriefHelp last gave them
    std::string label;                                          // as setLabel last gave it
    std::string message;                                        // as showMessage last gave it
    std::string notice;                                         // as setNotice last gave it
    int constructed = 0;
    int destroyed = 0;
};
OrlinConstructorArgs& orlinConstructorArgs();
