// F12: what the window shows, saved as a PNG in the user's pictures folder
// as marivane-YYYYMMDD-HHMMSS.png (-2, -3, ... when the name is taken).
#pragma once

#include <ctime>
#include <string>

// Asks for the next frame to be saved once it is drawn.
void requestScreenshot();

// Called by the frame after everything is drawn and before the swap: saves
// the back buffer if asked, and tells the user where, or why not, through the
// GUI (and standard error for a failure).
void takeRequestedScreenshot();

// The first free file name for a screenshot taken at `when` in `folder`.
std::string screenshotPath(const std::string& folder, std::time_t when);
