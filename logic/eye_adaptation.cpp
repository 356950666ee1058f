#include "logic/eye_adaptation.h"

#include <algorithm>
#include <cstdio>

#include "language/translation.h"
#include "logic/colour_models.h"
#include "optics/colorimetry.h"

double eyeAdaptationGain(int model, float atDepth)
{
    const DepthFactors f = modelDepthFactors(model, atDepth);
    LinearRgb white{f.red, f.green, f.blue};
    if (!measuredModel(model))
        white = {srgbDecode(f.red), srgbDecode(f.green), srgbDecode(f.blue)};
    const double kept = luminance(white);
    if (!(kept * maxEyeAdaptation > 1.0))
        return maxEyeAdaptation;
    return std::max(1.0, 1.0 / kept);
}

std::string eyeAdaptationNotice(double gain)
{
    char figure[32];
    // A tenth where it tells (1.4 times), whole figures past ten.
    std::snprintf(figure, sizeof figure, gain < 9.95 ? "%.1f" : "%.0f", gain);
    if (gain >= maxEyeAdaptation)
        return formatted(tr("eye adapted: %s times brighter, as far as it goes"), localFigure(figure).c_str());
    return formatted(tr("eye adapted: %s times brighter"), localFigure(figure).c_str());
}
