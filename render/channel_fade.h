// The surface and the floor of a measured water, faded into the veil with
// distance one channel at a time: GL's fog has one density for all three,
// while water takes red within metres and blue only over tens of them. Each
// is drawn three times, once per channel through glColorMask, with fog of
// that channel's attenuation: three times the vertices and fill of one pass.
#pragma once

// Draws with `draw` under the simple rule once as it is; in a measured water
// once per channel, each faded with its own attenuation toward the fog colour
// in force, and leaves the fog density at green's and every channel writable
// again. With the fog colour the clear colour, a channel that keeps less than
// half a level of what lies `nearestMetres` away or farther is not drawn at
// all: the background left in it is already what the fog would make.
void drawFadedByChannel(void (*draw)(), double nearestMetres = 0.0);
