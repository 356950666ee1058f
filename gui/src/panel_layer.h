// One panel's picture as a GL texture, kept from frame to frame and made
// again only when what it was made from changes.
#pragma once

#include "panel.h"
#include "panel_image.h"

// What a layer's picture was made from: its content's version, the context's
// style (font, scale and spacing) and the panel's place.
struct LayerKey {
    unsigned content = 0;
    unsigned style = 0;
    PanelBox box;
    bool operator==(const LayerKey&) const = default;
};

struct PanelLayer {
    bool built = false;
    LayerKey key;
    PanelImage image;          // handed to GL when made; its storage is kept for the next time
    bool uploadPending = false;
    unsigned texture = 0;      // GL texture, power-of-two sized, the image in its lower-left corner
    int textureWidth = 0;
    int textureHeight = 0;
};

// True when the layer was not made from `key`: the caller then composites
// the panel anew into layer.image and calls markBuilt.
inline bool layerStale(const PanelLayer& layer, const LayerKey& key)
{
    return !layer.built || !(layer.key == key);
}
void markBuilt(PanelLayer& layer, const LayerKey& key);

// Hands a pending image to GL (needs a current context; changes the 2D
// binding and the unpack state, which the caller has saved).
void uploadLayer(PanelLayer& layer);

// Draws the layer's picture at its place, its alpha and colour scaled by
// `opacity`; the caller has set premultiplied blending and modulate.
void drawLayer(const PanelLayer& layer, float opacity);

// Deletes the texture if it was made.
void releaseLayer(PanelLayer& layer);
