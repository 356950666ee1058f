#include "logic/controls_text.h"

#include <cstdio>

#include "logic/controls.h"

std::string controlsListing()
{
    std::string text;
    for (const Control& control : controls) {
        char line[160];
        std::snprintf(line, sizeof line, "  %-20s %s\n", control.keys, control.action);
        text += line;
    }
    return text;
}
