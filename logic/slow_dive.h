// The slow dive, for showing the program to others: F5 sets the depth moving
// along the dive's course (logic/dive_curve.h) until F5 is pressed again or
// an arrow key is used.
#pragma once

// F5: starts a dive from the current depth, or ends the one under way.
void toggleDive();
// Ends a dive where it is (an arrow key took over).
void stopDive();
// Whether a dive is under way (or starts with the next frame).
bool diveActive();

// Once a frame with the clock reading `now`: moves the depth along the dive.
void advanceDive(double now);
