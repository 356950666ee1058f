// Where the eye is in the world, read back from GL's model-view matrix.
#pragma once

// The inverse of the camera's rotation applied to its translation, column by
// column: the eye's x, y and z in the scene.
void eyePosition(float eye[3]);
