// Drawing the loaded fish mesh from client-side arrays, with whatever texture,
// colour and transform the caller has set.
#pragma once

void drawMesh();
