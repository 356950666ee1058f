// The program's controls as the help panel lists them: one row a control.
#pragma once

#include <orlin/orlin.h>

inline constexpr const char* controlsHelpTitle = "Controls";

inline constexpr OrlinHelpRow controlsHelpRows[] = {
    {"Up / Down arrows", "change depth"},
    {"Left mouse button", "hold and move to look around"},
    {"Ctrl+Q", "quit"},
    {"F1", "show or hide this help"},
    {"F2", "show or hide the frame rate"},
    {"F3", "change the kind of water"},
    {"F4", "show or hide the colour chart"},
    {"F5", "start or stop a slow dive"},
    {"F11", "full screen and back"},
    {"F12", "save a screenshot"},
};
