// The scene's lengths. The box is 100 units from the water surface to the
// sea floor and the depth says how many units the surface lies above the
// focus point. In the measured waters, whose depth is in metres, one unit is
// one metre: the surface is the gauge's depth above the eye and the floor
// lies at 100 m. The fish, the camera's distance from them and the near
// plane are scaled down together, to mackerel of their real size seen from
// close by, so that the picture of the fish stays what it is under the simple
// rule while the world around them takes its true size.
#pragma once

// The generated mackerel is 2.4 units from snout to tail (tools/assetgen);
// a mackerel is about 35 cm long.
constexpr double mackerelMeshLength = 2.4;
constexpr double mackerelMetres = 0.35;

// How much the fish, the camera distance and the near plane are scaled by
// under a colour model: 1 under the simple rule.
float fishScale(int model);

// The eye's distance from the fish around the focus point, in metres, under
// the measured waters.
double fishDistanceMetres();
