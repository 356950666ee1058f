// The measured spectra the water colours are computed from, embedded at build
// time from data/optics/*.csv (whose header comments give each table's source
// and the checks made on it).
#pragma once

struct SpectralTable {
    const double* values;  // row by row; column 0 is the wavelength in nm
    int rows;
    int columns;

    double at(int row, int column) const { return values[row * columns + column]; }
};

// CIE 1931 2-degree observer: wavelength, xbar, ybar, zbar; 380..780 nm by 5.
extern const SpectralTable cieObserver;
// CIE illuminant D65: wavelength, relative power; 380..780 nm by 5.
extern const SpectralTable cieD65;
// ColorChecker Classic: wavelength, then the 24 patches' reflectance (0..1)
// in chart order, row by row from the top left; 380..780 nm by 5.
extern const SpectralTable colorCheckerReflectance;
// Pope and Fry (1997), pure water: wavelength, absorption (1/m); 380..727.5 nm by 2.5.
extern const SpectralTable pureWaterAbsorption;
// Morel and Maritorena (2001), Case-1 water: wavelength, Kw (1/m), chi, e;
// 350..700 nm by 5.
extern const SpectralTable waterAttenuation;
