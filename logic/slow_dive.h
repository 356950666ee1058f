// The slow dive, for showing the program to others: F5 sets the depth moving
// along the dive's course (logic/dive_curve.h) until F5 is pressed again or
// a depth key is used; + and - change its pace.
#pragma once

#include <string>

// F5: starts a dive from the current depth, or ends the one under way.
void toggleDive();
// Ends a dive where it is (a depth key took over).
void stopDive();
// Whether a dive is under way (or starts with the next frame).
bool diveActive();

// + (step 1) and - (step -1): the next quicker or slower pace, kept within
// the paces there are; a dive under way goes on from where it is, the same
// way, at the new pace.
void changeDivePace(int step);
// The pace, in depth units a minute.
double divePace();
// What the dive's notice says while it runs: the pace and how to change it
// and stop it; the simple rule's depth has no unit.
std::string diveNotice(bool metres);

// Once a frame with the clock reading `now`: moves the depth along the dive.
void advanceDive(double now);
