// The inherent optical properties of Case-1 sea water: how much light a
// metre of it absorbs and scatters, whatever lights it. Wavelengths in nm,
// chlorophyll in mg/m^3, every coefficient in 1/m.
#pragma once

// Pure sea water's scattering, Morel (1974), "Optical properties of pure
// water and pure sea water", in Optical Aspects of Oceanography (Jerlov and
// Steemann Nielsen, eds.), Academic Press, 1-24:
//   b_w(lambda) = 0.00288 (lambda / 500)^-4.32.
// Morel and Maritorena (2001) build their Kw from it (b_w / 2 backwards).
double seaWaterScattering(double wavelength);

// Particle scattering in Case-1 water, Morel and Maritorena (2001), J.
// Geophys. Res. 106(C4), after Loisel and Morel (1998):
//   b_p(550) = 0.416 Chl^0.766,  b_p(lambda) = b_p(550) (lambda / 550)^nu,
//   nu = 0.5 (log10 Chl - 0.3) for 0.02 < Chl < 2, and 0 above 2.
double particleScattering(double wavelength, double chlorophyll);

// Backscattering, Morel and Maritorena (2001): the water's half of b_w, and
// the particles' b_bp = (0.002 + 0.01 (0.5 - 0.25 log10 Chl)(lambda / 550)^nu) b_p.
double backscattering(double wavelength, double chlorophyll);
// The particles' share of backward scattering, b_bp / b_p, of the same.
double particleBackscatteringRatio(double wavelength, double chlorophyll);

// The volume scattering function beta (1/(m sr)) at a scattering angle given
// by its cosine: the water's b_w with Morel's (1974) phase function, and the
// particles' b_p with a Henyey-Greenstein phase function whose back fraction
// is the particles' b_bp / b_p, so that it scatters backwards exactly as much
// as Morel and Maritorena's backscattering says (optics/phase_function.h).
double volumeScattering(double wavelength, double chlorophyll, double cosAngle);

// Absorption from the measured Kd in the convention the Kd table itself is
// built on: Morel and Maritorena (2001) write Kd = a + b_b (their Kw is a_w +
// b_w / 2), so a = Kd - b_b. Sea water never absorbs less than pure water
// (Pope and Fry, 1997), which also stands for a past the table's 700 nm.
double absorption(double wavelength, double chlorophyll);

// Total scattering b = b_w + b_p, and the beam attenuation c = a + b.
double scattering(double wavelength, double chlorophyll);
double beamAttenuation(double wavelength, double chlorophyll);
