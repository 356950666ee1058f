// The program's controls, one row a control: the help panel shows these rows
// and --help prints them, and a test holds the README's controls table and
// the manual page to every key here. A new control is one more row.
#pragma once

struct Control {
    const char* keys;
    const char* action;
};

inline constexpr const char* controlsTitle = "Controls";

inline constexpr Control controls[] = {
    {"Up / Down arrows", "change depth"},
    {"Left mouse button", "hold and move to look around"},
    {"Home", "look straight ahead again"},
    {"Ctrl+Q", "quit"},
    {"F1", "show or hide the help panel"},
    {"F2", "show or hide the frame rate"},
    {"F3", "change the kind of water"},
    {"F4", "show or hide the colour chart"},
    {"F5", "start or stop a slow dive"},
    {"F6", "switch the diver's torch on or off"},
    {"F11", "full screen and back"},
    {"Escape", "leave full screen"},
    {"F12", "save a screenshot"},
};
