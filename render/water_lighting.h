// What the measured waters add to the scene beyond the daylight's colour at
// the depth: distance (the water's own veil over far things, per channel),
// and the diver's torch. Under the simple rule only the torch, white and
// undimmed, since there is no water to take anything away.
#pragma once

// The scene's scale: the generated mackerel is 2.4 units from snout to tail
// (tools/assetgen), and a mackerel about 35 cm long.
constexpr double metresPerSceneUnit = 0.35 / 2.4;

// The veil of a measured water at a depth as a display colour (alpha 1).
void veilColour(int waterType, float atDepth, float rgba[4]);
// GL's exponential fog density (per scene unit) for a measured water.
float veilFogDensity(int waterType, float atDepth);

// Around the six fish: their own path through the water and the torch.
// Both do nothing under the simple rule with the torch off.
void beginFishLighting();
void endFishLighting();
