// Writes a generated model as Wavefront OBJ text: per group a "g" line, the
// group's "v", "vt" and "vn" lines, then its triangles as full a/b/c faces.
#pragma once

#include <string>
#include <vector>

#include "model_builder.h"

namespace modelgen {

// Comment lines (written after "# ") head the file. Vertices that no
// triangle uses are left out. Returns false when the file cannot be
// written completely.
bool writeObjFile(const std::string& path, const Model& model, const std::vector<std::string>& comments);

}  // namespace modelgen
