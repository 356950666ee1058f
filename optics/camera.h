// What a camera records of the ColorChecker chart in the light at a depth:
// with its white balance set to daylight and automatic exposure, and
// white-balanced on the chart's own white patch.
#pragma once

#include "optics/colorimetry.h"

// Automatic exposure opens up until the white patch has its surface
// luminance, but no further than this: a camera's range of gain and shutter.
constexpr double maxExposureStops = 12.0;

struct ChartRecording {
    PatchColours surface;        // in daylight, as on land
    PatchColours exposed;        // at depth, daylight balance, exposed for the white patch
    PatchColours whiteBalanced;  // at depth, balanced on the white patch (Bradford)
    double exposureStops;        // how far the exposure was opened, in EV
};

// `light` is the daylight that reaches the depth.
ChartRecording recordChart(const Spectrum& light);
