// The slow dive: for showing the program to others, the depth moves by
// itself, smoothly, down to the sea floor end, pauses, rises to the surface
// end, pauses, and so on, until F5 is pressed again or an arrow key is used.
#pragma once

constexpr double diveSpeed = 8.0;         // depth units a second
constexpr double divePauseSeconds = 3.0;  // at each end

// The depth `elapsed` seconds into a dive that began at startDepth: first
// down to the deep end, then turning with a pause at each end. Always within
// the depth range; continuous in elapsed.
float diveDepth(double elapsed, float startDepth);

// F5: starts a dive from the current depth, or ends the one under way.
void toggleDive();
// Ends a dive where it is (an arrow key took over).
void stopDive();
bool diveActive();

// Once a frame with the clock reading `now`: moves the depth along the dive.
void advanceDive(double now);
