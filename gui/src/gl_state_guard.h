// Saves the GL state the overlay changes and puts it back when it goes out
// of scope: enables, blend function, current colour and texture coordinate,
// texture binding and environment, polygon mode, matrix mode, the three
// matrices and the pixel unpack settings.
#pragma once

class GlStateGuard {
public:
    GlStateGuard();
    ~GlStateGuard();
    GlStateGuard(const GlStateGuard&) = delete;
    GlStateGuard& operator=(const GlStateGuard&) = delete;

    // False when the host's attribute stacks were full: nothing was saved,
    // so the caller must change nothing.
    bool saved() const { return isSaved; }

private:
    bool isSaved = false;
    double projection[16] = {};
    double modelView[16] = {};
    double textureMatrix[16] = {};
};
