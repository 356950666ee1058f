// The mackerel's fins, each a two-sided sheet so it shows from both sides:
// the forked tail, two dorsal fins, the anal fin, the pectoral and pelvic
// pairs and the small finlets along the tail stalk.
#pragma once

#include <vector>

#include "model_builder.h"

namespace modelgen {

std::vector<ModelGroup> buildFins();

}  // namespace modelgen
