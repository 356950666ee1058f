// The mackerel's body: its outline along the length and the smooth closed
// surface of elliptical cross-sections built from it.
#pragma once

#include "model_builder.h"

namespace modelgen {

// Before centring the fish runs from the snout at x = 1.2 to the tips of the
// tail lobes at x = -1.2; the body itself ends inside the tail fin's root.
constexpr double fishNoseX = 1.2;
constexpr double fishTailX = -1.2;
constexpr double bodyEndX = -0.8;

// One cross-section: an ellipse around centreY whose upper and lower half
// heights differ, halfWidth across (z).
struct BodySection {
    double centreY = 0.0;
    double upper = 0.0;
    double lower = 0.0;
    double halfWidth = 0.0;
};

// Zero-sized at and beyond the snout and the rear tip.
BodySection bodySectionAt(double x);
double bodyTopY(double x);
double bodyBottomY(double x);

// The skin picture's layout: u from the snout (0) to the tail (1), v from the
// belly (0) to the back (1) as the side view shows it, the same on both sides,
// kept `skinMargin` inside the picture's edges. The texture repeats, so
// filtering at an edge blends in the opposite edge: at v = 1 the pale belly
// would show as a light seam along the dark back. 0.02 of 256 rows is five
// texels, clear of the blend down to the fourth mipmap level.
constexpr double skinMargin = 0.02;
double insidePicture(double fraction);
double skinU(double x);
double skinV(double x, double y);

// angle 0 is the back, pi/2 the +z side, pi the belly.
Vec3 bodySurfacePoint(double x, double angle);

// The closed body, smooth normals pointing outwards.
ModelGroup buildBody();

}  // namespace modelgen
