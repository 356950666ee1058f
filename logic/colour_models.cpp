#include "logic/colour_models.h"

#include "language/translation.h"
#include "logic/depth_range.h"
#include "optics/water_model.h"

namespace {

// One word a model, the simple rule first, then the water types in their order.
constexpr const char* modelKeywords[] = {"simple", "clear", "open", "coastal"};
static_assert(sizeof modelKeywords / sizeof modelKeywords[0] == 1 + waterTypeCount,
              "a command-line word for every colour model");

float clampUnit(double factor)
{
    if (factor < 0.0)
        return 0.0f;
    if (factor > 1.0)
        return 1.0f;
    return static_cast<float>(factor);
}

}  // namespace

DepthFactors depthFactors(float atDepth)
{
    const double below = static_cast<double>(atDepth) - static_cast<double>(minDepth);
    const float red = clampUnit(1.0 - below / redFadeDepth);
    const float greenBlue = clampUnit(1.0 - depthRangeFraction(atDepth));
    return {red, greenBlue, greenBlue};
}

int colourModelCount()
{
    return 1 + waterTypeCount;
}

const char* colourModelName(int model)
{
    if (!measuredModel(model))
        return N_("Simple rule");
    return waterTypes[model - 1].name;
}

const char* colourModelKeyword(int model)
{
    return modelKeywords[measuredModel(model) ? model : 0];
}

DepthFactors modelDepthFactors(int model, float atDepth)
{
    if (!measuredModel(model))
        return depthFactors(atDepth);
    const ChannelFactors f = waterFactors(model - 1, atDepth);
    return {f.red, f.green, f.blue};
}

bool measuredModel(int model)
{
    return model > 0 && model < colourModelCount();
}

DepthRange modelDepthRange(int model)
{
    return measuredModel(model) ? measuredDepths : simpleRuleDepths;
}
