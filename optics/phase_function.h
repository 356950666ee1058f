// How sea water spreads the light it scatters over directions: phase
// functions, per steradian, normalised to 1 over the sphere. The angle is the
// scattering angle, given by its cosine (1 straight on, -1 straight back).
#pragma once

// Pure sea water, Morel (1974), "Optical properties of pure water and pure
// sea water", in Optical Aspects of Oceanography (Jerlov and Steemann
// Nielsen, eds.), Academic Press, 1-24: beta(psi) = beta(90) (1 + 0.835
// cos^2 psi), so normalised 1 / (4 pi (1 + 0.835 / 3)) (1 + 0.835 cos^2 psi).
double seaWaterPhase(double cosAngle);

// Henyey and Greenstein (1941), "Diffuse radiation in the Galaxy",
// Astrophys. J. 93, 70-83:
//   p(psi) = (1 - g^2) / (4 pi (1 + g^2 - 2 g cos psi)^(3/2)),
// g the mean cosine of scattering.
double henyeyGreenstein(double g, double cosAngle);

// The share of p scattered backwards (psi > 90 degrees), p integrated over
// the back hemisphere: (1 - g) / (2 g) ((1 + g) / sqrt(1 + g^2) - 1).
double henyeyGreensteinBackFraction(double g);

// The g whose back fraction is `fraction` (0 < fraction < 0.5), found by
// bisection: the back fraction falls steadily as g grows from 0 to 1.
double henyeyGreensteinForBackFraction(double fraction);
