// emscripten's SDL 1.2 headers, plus the one name of SDL 1.2.15 they lack.
#pragma once

#include_next <SDL.h>

// SDL 1.2.15 numbers its swap control after the accelerated visual; under that
// number emscripten's SDL keeps an attribute it never reads. The browser shows
// each frame at the display's refresh in any case.
constexpr SDL_GLattr SDL_GL_SWAP_CONTROL = static_cast<SDL_GLattr>(SDL_GL_ACCELERATED_VISUAL + 1);

// emscripten's SDL 1.2 is SDL 2's key codes behind SDL 1.2's names, where
// Super and Meta are one key: Super gets a code no key sends, so code that
// names both (as SDL 1.2 allows) still compiles, and Meta stands for the key.
#undef SDLK_LSUPER
#undef SDLK_RSUPER
#define SDLK_LSUPER (-2)
#define SDLK_RSUPER (-3)
