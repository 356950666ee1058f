// The program's controls, one row a control: the help panel shows these rows
// and --help prints them, and a test holds the README's controls table and
// the manual page to every key here. A new control is one more row.
#pragma once

struct Control {
    const char* keys;
    const char* action;
    // The same in a few words, for the help panel in a small window.
    const char* briefKeys;
    const char* briefAction;
};

inline constexpr const char* controlsTitle = "Controls";

inline constexpr Control controls[] = {
    {"Up / Down arrows", "change depth", "Up / Down", "depth"},
    {"0 to 9", "jump: 1 to 9 to depth 10 to 90, 0 to the top", "0 to 9", "jump"},
    {"Mouse wheel", "one depth step up or down", "Wheel", "depth"},
    {"Left mouse button", "hold and move to look around", "Left button", "look around"},
    {"Home", "look straight ahead again", "Home", "look ahead"},
    {"Ctrl+Q", "quit", "Ctrl+Q", "quit"},
    {"F1", "show or hide the help panel", "F1", "help"},
    {"F2", "show or hide the frame rate", "F2", "frame rate"},
    {"F3", "change the kind of water", "F3", "kind of water"},
    {"F4", "show or hide the colour chart", "F4", "colour chart"},
    {"F5", "start or stop a slow dive", "F5", "slow dive"},
    {"+ / -", "a quicker / slower slow dive", "+ / -", "dive pace"},
    {"F6", "switch the diver's torch on or off", "F6", "torch"},
    {"F11", "full screen and back", "F11", "full screen"},
    {"Escape", "leave full screen; in the window close a panel", "Escape", "close"},
    {"F12", "save a screenshot", "F12", "screenshot"},
};
