// Loading the fish mesh at start-up: found where the assets are found, a
// broken copy in the working directory falling back to the installed one,
// and one sentence on what went wrong.
#pragma once

#include "assets/mesh.h"

// Never null; a mesh that could not be read is the empty one, drawn as nothing.
Mesh* loadMeshAsset(const char* fileName);
