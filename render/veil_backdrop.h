// The background of a measured water: the water's own veil all around the
// eye, brighter looking up and darker looking down, where the simple rule
// has only the clear colour. The surface and the floor fade into the veil
// seen where their far edges lie, so that they meet the background there.
#pragma once

// A sphere of bands around the eye, coloured per vertex by the veil at each
// band's elevation; drawn first, with depth and fog off, in the measured
// waters only.
void drawVeilBackdrop();

// The fog colour for the water surface or the sea floor: the veil at the
// elevation of the box's far edge as seen from the eye. Measured waters only.
void fogTowardSurfaceEdge();
void fogTowardFloorEdge();
// The fog colour back to the level veil (the clear colour), so that the
// frame ends with the fog state it began with.
void fogLevel();
