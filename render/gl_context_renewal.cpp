#include "render/gl_context_renewal.h"

#include <GL/gl.h>

#include "assets/texture_set.h"
#include "render/environment_box.h"
#include "state/program_state.h"

bool glObjectsLost()
{
    // loadTextures binds every name it makes, so in the context that made
    // it the name is a texture whether or not its image loaded.
    return textures.rockTexture != 0 && glIsTexture(textures.rockTexture) == GL_FALSE;
}

void remakeGlObjects()
{
    // The old names died with their context: nothing to delete.
    loadTextures();
    if (environmentBox != nullptr)
        environmentBox->floorList = compileFloorList(*environmentBox);
    if (guiContext != nullptr)
        guiContext->glContextReplaced();
}
