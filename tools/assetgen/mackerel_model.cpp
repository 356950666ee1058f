#include "mackerel_model.h"

#include <cstdio>
#include <vector>

#include "assets/mesh.h"
#include "mackerel_body.h"
#include "mackerel_fins.h"
#include "model_builder.h"
#include "obj_writer.h"

namespace {

using namespace modelgen;

// The six fish stand 3 units apart side by side and 1 unit apart front to
// back; these limits keep neighbours from touching.
constexpr double maxLength = 2.4;
constexpr double maxHeight = 0.6;
constexpr double maxThickness = 0.35;

Model buildMackerel()
{
    Model model;
    model.groups.push_back(buildBody());
    for (ModelGroup& fin : buildFins())
        model.groups.push_back(std::move(fin));
    // Centre the bounding box on the origin.
    const Bounds bounds = modelBounds(model);
    translateModel(model, (bounds.low + bounds.high) * -0.5);
    return model;
}

}  // namespace

bool writeMackerelModel(const std::string& dir)
{
    const std::string path = dir + "/" + meshFileName;
    const Model model = buildMackerel();

    const Bounds bounds = modelBounds(model);
    const Vec3 size = bounds.high - bounds.low;
    // Small tolerance: the sizes are reached exactly by design, up to rounding.
    if (size.x > maxLength + 1e-9 || size.y > maxHeight || size.z > maxThickness) {
        std::fprintf(stderr, "marivane_assetgen: the mackerel model is %.3f x %.3f x %.3f, larger than %.2f x %.2f x %.2f\n",
                     size.x, size.y, size.z, maxLength, maxHeight, maxThickness);
        return false;
    }

    const std::vector<std::string> comments = {
        "Mackerel for Marivane, written by marivane_assetgen.",
        "Snout towards +x, back towards +y, centred on the origin.",
        "Texture u runs from the snout (0) to the tail (1), v from the belly (0) to the back (1);",
        "both sides share the picture. Fins are two-sided: each triangle is also present",
        "with the opposite winding and normal.",
    };
    if (!writeObjFile(path, model, comments)) {
        std::fprintf(stderr, "marivane_assetgen: couldn't write %s\n", path.c_str());
        return false;
    }
    return true;
}
