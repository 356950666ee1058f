#include "render/scene_scale.h"

#include <cmath>

#include "logic/colour_models.h"
#include "state/program_state.h"

float fishScale(int model)
{
    return measuredModel(model) ? static_cast<float>(mackerelMetres / mackerelMeshLength) : 1.0f;
}

double fishDistanceMetres()
{
    return std::fabs(static_cast<double>(cameraDistance)) * (mackerelMetres / mackerelMeshLength);
}
