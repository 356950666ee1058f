#include "platform/window_icon.h"

#include <cstring>

#include <SDL.h>

#if !defined(_WIN32)
#include <X11/Xatom.h>

#include "platform/x11_window.h"
#endif

void setWindowIcon()
{
    static unsigned char pixels[sizeof windowIconRgba];
    std::memcpy(pixels, windowIconRgba, sizeof pixels);
    // The bytes are R, G, B, A in memory whatever the byte order.
#if SDL_BYTEORDER == SDL_BIG_ENDIAN
    const Uint32 masks[4] = {0xFF000000u, 0x00FF0000u, 0x0000FF00u, 0x000000FFu};
#else
    const Uint32 masks[4] = {0x000000FFu, 0x0000FF00u, 0x00FF0000u, 0xFF000000u};
#endif
    SDL_Surface* icon = SDL_CreateRGBSurfaceFrom(pixels, windowIconSize, windowIconSize, 32, windowIconSize * 4,
                                                 masks[0], masks[1], masks[2], masks[3]);
    if (icon == nullptr)
        return;  // the window manager's generic icon, as before
    // One bit a pixel, leftmost pixel in the high bit: shown where the icon
    // is more opaque than not.
    constexpr int maskStride = (windowIconSize + 7) / 8;
    static Uint8 mask[maskStride * windowIconSize];
    std::memset(mask, 0, sizeof mask);
    for (int y = 0; y < windowIconSize; ++y)
        for (int x = 0; x < windowIconSize; ++x)
            if (windowIconRgba[(y * windowIconSize + x) * 4 + 3] >= 128)
                mask[y * maskStride + x / 8] |= static_cast<Uint8>(0x80u >> (x % 8));
    SDL_WM_SetIcon(icon, mask);
    SDL_FreeSurface(icon);
}

#if defined(_WIN32)

void announceWindowIcon() {}

#else

void announceWindowIcon()
{
    useManagedX11Window([](Display* display, Window window) {
        // Width, height, then each pixel as 0xAARRGGBB, top row first; Xlib
        // takes format-32 data as longs.
        static long cardinals[2 + windowIconSize * windowIconSize];
        cardinals[0] = windowIconSize;
        cardinals[1] = windowIconSize;
        for (int i = 0; i < windowIconSize * windowIconSize; ++i) {
            const unsigned char* p = &windowIconRgba[4 * i];
            cardinals[2 + i] = static_cast<long>((static_cast<unsigned long>(p[3]) << 24) |
                                                 (static_cast<unsigned long>(p[0]) << 16) |
                                                 (static_cast<unsigned long>(p[1]) << 8) | p[2]);
        }
        const Atom netWmIcon = XInternAtom(display, "_NET_WM_ICON", False);
        XChangeProperty(display, window, netWmIcon, XA_CARDINAL, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(cardinals), 2 + windowIconSize * windowIconSize);
        XFlush(display);
    });
}

#endif
