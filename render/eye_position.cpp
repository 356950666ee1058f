#include "render/eye_position.h"

#include <GL/gl.h>

void eyePosition(float eye[3])
{
    float m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    for (int j = 0; j < 3; ++j)
        eye[j] = -(m[4 * j] * m[12] + m[4 * j + 1] * m[13] + m[4 * j + 2] * m[14]);
}
