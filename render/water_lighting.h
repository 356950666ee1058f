// What the measured waters add to the scene beyond the daylight's colour at
// the depth: distance (the water's own veil over far things, per channel),
// and the diver's torch. Under the simple rule only the torch, white and
// undimmed, since there is no water to take anything away.
#pragma once

// The veil of a measured water at a depth as a display colour (alpha 1).
void veilColour(int waterType, float atDepth, float rgba[4]);
// GL's exponential fog density for a measured water: per metre, which is
// per scene unit there (render/scene_scale.h).
float veilFogDensity(int waterType, float atDepth);

// Around the six fish: their own path through the water and the torch.
// Both do nothing under the simple rule with the torch off.
void beginFishLighting();
void endFishLighting();
