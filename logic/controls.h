// The program's controls, one row a control: the help panel shows these rows
// and --help prints them, and a test holds the README's controls table and
// the manual page to every key here. A new control is one more row.
#pragma once

#include "language/translation.h"

struct Control {
    const char* keys;
    const char* action;
    // The same in a few words, for the help panel in a small window; none
    // (null) for the controls a small window's help leaves out to stand
    // above the fish in its two columns.
    const char* briefKeys;
    const char* briefAction;
};

inline constexpr const char* controlsTitle = N_("Controls");

inline constexpr Control controls[] = {
    {N_("Up / Down arrows"), N_("change depth"), N_("Up / Down"), N_("depth")},
    {N_("0 to 9"), N_("jump: 1 to 9 to depth 10 to 90, 0 to the top"), N_("0 to 9"), N_("jump")},
    {N_("Mouse wheel"), N_("one depth step up or down"), N_("Wheel"), N_("depth")},
    {N_("Left mouse button"), N_("hold and move to look around"), N_("Left button"), N_("look around")},
    {N_("Home"), N_("look straight ahead again"), N_("Home"), N_("look ahead")},
    {N_("Ctrl+Q"), N_("quit"), N_("Ctrl+Q"), N_("quit")},
    {N_("F1"), N_("show or hide the help panel"), N_("F1"), N_("help")},
    {N_("F2"), N_("show or hide the frame rate"), nullptr, nullptr},
    {N_("F3"), N_("change the kind of water"), N_("F3"), N_("kind of water")},
    {N_("F4"), N_("show or hide the colour chart"), N_("F4"), N_("colour chart")},
    {N_("F5"), N_("start or stop a slow dive"), N_("F5"), N_("slow dive")},
    {N_("+ / -"), N_("a quicker / slower slow dive"), N_("+ / -"), N_("dive pace")},
    {N_("F6"), N_("switch the diver's torch on or off"), N_("F6"), N_("torch")},
    {N_("F7"), N_("the eye adapts to the light at the depth, or not"), N_("F7"), N_("eye adapts")},
    {N_("F8"), N_("show or hide the view at the surface beside this one"), N_("F8"), N_("surface view")},
    {N_("F11"), N_("full screen and back"), N_("F11"), N_("full screen")},
    {N_("Escape"), N_("leave full screen; in the window close a panel"), N_("Escape"), N_("close")},
    {N_("F12"), N_("save a screenshot"), nullptr, nullptr},
};
