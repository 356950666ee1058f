// The program's controls, one row a control: the help panel shows these rows
// and --help prints them (each put into the user's language there), and a test holds the README's controls table and
// the manual page to every key here. A new control is one more row.
#pragma once

#include "language/translation.h"

struct Control {
    const char* keys;
    const char* action;
};

inline constexpr const char* controlsTitle = N_("Controls");

inline constexpr Control controls[] = {
    {N_("Up / Down arrows"), N_("change depth")},
    {N_("Left mouse button"), N_("hold and move to look around")},
    {N_("Home"), N_("look straight ahead again")},
    {N_("Ctrl+Q"), N_("quit")},
    {N_("F1"), N_("show or hide the help panel")},
    {N_("F2"), N_("show or hide the frame rate")},
    {N_("F3"), N_("change the kind of water")},
    {N_("F4"), N_("show or hide the colour chart")},
    {N_("F5"), N_("start or stop a slow dive")},
    {N_("F6"), N_("switch the diver's torch on or off")},
    {N_("F11"), N_("full screen and back")},
    {N_("Escape"), N_("leave full screen")},
    {N_("F12"), N_("save a screenshot")},
};
