#include "render/frame.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL.h>
#include <orlin/orlin.h>

#include "assets/mesh.h"
#include "assets/mesh_drawing.h"
#include "assets/texture_set.h"
#include "logic/colour_models.h"
#include "logic/gauge_geometry.h"
#include "render/depth_lighting.h"
#include "render/scene_scale.h"
#include "render/screenshot.h"
#include "render/water_lighting.h"
#include "render/environment_box.h"
#include "render/sun.h"
#include "render/veil_backdrop.h"
#include "render/surface_view_area.h"
#include "state/program_state.h"


namespace {

struct FishPlacement {
    float dx, dy, dz;
    unsigned TextureSet::*texture;
};

// Relative steps: each fish is placed from the one before it.
constexpr FishPlacement fishPlacements[] = {
    {1.5f, 0.0f, 1.0f, &TextureSet::mackerelRedTexture},
    {-3.0f, 0.0f, 0.0f, &TextureSet::mackerelOrangeTexture},
    {3.0f, 0.0f, -1.0f, &TextureSet::mackerelYellowTexture},
    {-3.0f, 0.0f, 0.0f, &TextureSet::mackerelGreenTexture},
    {3.0f, 0.0f, -1.0f, &TextureSet::mackerelTexture},
    {-3.0f, 0.0f, 0.0f, &TextureSet::mackerelPurpleTexture},
};

void drawFish()
{
    glPushMatrix();
    // Undo the camera's depth translation: the fish travel with the viewer.
    glTranslatef(0.0f, 50.0f - depth, 0.0f);
    // Mackerel of their real size in the measured waters' metres; their
    // normals are scaled with them and made unit length again for the light.
    const float scale = fishScale(colourModel);
    if (scale != 1.0f) {
        glScalef(scale, scale, scale);
        glEnable(GL_NORMALIZE);
    }
    glColor4fv(orlinWhite);
    for (const FishPlacement& fish : fishPlacements) {
        glTranslatef(fish.dx, fish.dy, fish.dz);
        glBindTexture(GL_TEXTURE_2D, textures.*fish.texture);
        drawMesh();
    }
    if (scale != 1.0f)
        glDisable(GL_NORMALIZE);
    glPopMatrix();
}

void drawDepthGauge()
{
    glPushMatrix();
    const GaugeOrigin origin = gaugeOrigin();
    glTranslatef(origin.x, origin.y, 0.0f);
    if (origin.scale != 1.0f)
        glScalef(origin.scale, origin.scale, 1.0f);
    drawOverlayQuad(textures.depthScaleTexture, gaugeScaleWidth, gaugeScaleHeight);
    glTranslatef(gaugeArrowX, gaugeArrowOffset(depth, modelDepthRange(colourModel)), 0.0f);
    drawOverlayQuad(textures.depthArrowTexture, gaugeArrowWidth, gaugeArrowHeight);
    glPopMatrix();
}

// F8: the same scene, the same camera, at the model's shallowest depth, in
// its own small view. Everything the scene draws reads the program-wide
// depth, so the surface view borrows it for the time it takes.
void drawSurfaceView(const WindowRect& area)
{
    if (area.width <= 0 || area.height <= 0)
        return;
    const float atDepth = depth;
    depth = modelDepthRange(colourModel).shallowest;
    glViewport(area.x, area.y, area.width, area.height);
    glScissor(area.x, area.y, area.width, area.height);
    glEnable(GL_SCISSOR_TEST);
    drawScene();
    glDisable(GL_SCISSOR_TEST);
    glViewport(0, 0, windowWidth, windowHeight);
    depth = atDepth;
    // The depth's own background and fog again, for the rest of the frame.
    applyDepthLighting();
}

// A thin light frame round the surface view, so it reads as a picture apart.
void drawSurfaceViewFrame(const WindowRect& a)
{
    if (a.width <= 0 || a.height <= 0)
        return;
    constexpr float edge = 2.0f;
    const float x0 = static_cast<float>(a.x), y0 = static_cast<float>(a.y);
    const float x1 = x0 + static_cast<float>(a.width), y1 = y0 + static_cast<float>(a.height);
    glDisable(GL_TEXTURE_2D);
    glColor4fv(orlinWhite);
    glBegin(GL_QUADS);
    const float sides[4][4] = {{x0 - edge, y0 - edge, x1 + edge, y0},
                               {x0 - edge, y1, x1 + edge, y1 + edge},
                               {x0 - edge, y0, x0, y1},
                               {x1, y0, x1 + edge, y1}};
    for (const auto& s : sides) {
        glVertex2f(s[0], s[1]);
        glVertex2f(s[2], s[1]);
        glVertex2f(s[2], s[3]);
        glVertex2f(s[0], s[3]);
    }
    glEnd();
    glEnable(GL_TEXTURE_2D);
}

}  // namespace

void drawOverlayQuad(unsigned texture, float width, float height)
{
    glColor4fv(orlinWhite);
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(0.0f, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(width, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(width, height);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(0.0f, height);
    glEnd();
}

void setUpCamera()
{
    // A window shrunk to no height (or width) has no aspect: keep the last one.
    static double aspect = 4.0 / 3.0;
    if (windowWidth > 0 && windowHeight > 0)
        aspect = static_cast<double>(windowWidth) / static_cast<double>(windowHeight);
    // The eye's distance and the near plane shrink with the fish (1 under
    // the simple rule), so the fish fill the view as they do there.
    const float scale = fishScale(colourModel);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, aspect, 0.5 * static_cast<double>(scale), 200.0);

    // Orbit the focus point, which sits `depth` units below the surface.
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, cameraDistance * scale);
    glRotatef(cameraPitch, 1.0f, 0.0f, 0.0f);
    glRotatef(cameraYaw, 0.0f, 1.0f, 0.0f);
    glTranslatef(0.0f, depth - 50.0f, 0.0f);
}

void drawScene()
{
    applyDepthLighting();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    setUpCamera();

    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    // After the camera, so the light's direction is fixed in the world.
    glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);
    glEnable(GL_TEXTURE_2D);

    drawVeilBackdrop();
    if (environmentBox != nullptr)
        drawEnvironment();
    if (sunPosition != nullptr)
        drawSun();
    if (fishMesh != nullptr) {
        beginFishLighting();
        drawFish();
        endFishLighting();
    }
}

void drawFrame()
{
    drawScene();
    const WindowRect surfaceView = shownSurfaceViewArea();
    drawSurfaceView(surfaceView);

    guiContext->resetView();
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    drawSurfaceViewFrame(surfaceView);
    drawDepthGauge();
    glDisable(GL_TEXTURE_2D);

    guiContext->draw();
    takeRequestedScreenshot();
    SDL_GL_SwapBuffers();
}
