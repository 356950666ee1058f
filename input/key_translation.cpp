#include "input/key_translation.h"

#include <orlin/orlin.h>

int translateKeySym(int sym)
{
    if (sym >= SDLK_KP0 && sym <= SDLK_KP9)
        return '0' + (sym - SDLK_KP0);
    if (sym >= SDLK_F1 && sym <= SDLK_F12)
        return orlinKeyF1 + (sym - SDLK_F1);
    switch (sym) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return orlinKeyReturn;
    case SDLK_KP_PERIOD: return '.';
    case SDLK_KP_DIVIDE: return '/';
    case SDLK_KP_MULTIPLY: return '*';
    case SDLK_KP_MINUS: return '-';
    case SDLK_KP_PLUS: return '+';
    case SDLK_KP_EQUALS: return '=';
    case SDLK_UP: return orlinKeyUp;
    case SDLK_DOWN: return orlinKeyDown;
    case SDLK_RIGHT: return orlinKeyRight;
    case SDLK_LEFT: return orlinKeyLeft;
    case SDLK_INSERT: return orlinKeyInsert;
    case SDLK_HOME: return orlinKeyHome;
    case SDLK_END: return orlinKeyEnd;
    case SDLK_PAGEUP: return orlinKeyPageUp;
    case SDLK_PAGEDOWN: return orlinKeyPageDown;
    default: return sym;
    }
}

int translateKey(const SDL_Event& event)
{
    return translateKeySym(event.key.keysym.sym);
}

int translateModifiers(SDLMod state)
{
    int bits = 0;
    if (state & (KMOD_LSHIFT | KMOD_RSHIFT))
        bits |= orlinModShift;
    if (state & (KMOD_LCTRL | KMOD_RCTRL))
        bits |= orlinModControl;
    if (state & (KMOD_LALT | KMOD_RALT))
        bits |= orlinModAlt;
    if (state & (KMOD_LMETA | KMOD_RMETA))
        bits |= orlinModMeta;
    if (state & KMOD_CAPS)
        bits |= orlinModCaps;
    return bits;
}

namespace {

// The modifiers of the key event being handled, if any.
bool inKeyEvent = false;
SDLMod keyEventModState = KMOD_NONE;

}  // namespace

void beginKeyEvent(SDLMod state)
{
    inKeyEvent = true;
    keyEventModState = state;
}

void endKeyEvent()
{
    inKeyEvent = false;
}

int getModifiers()
{
    return translateModifiers(inKeyEvent ? keyEventModState : SDL_GetModState());
}

int shiftedKey(int key)
{
    switch (key) {
    case '\'': return '"';
    case ',': return '<';
    case '-': return '_';
    case '.': return '>';
    case '/': return '?';
    case '0': return ')';
    case '1': return '!';
    case '2': return '@';
    case '3': return '#';
    case '4': return '$';
    case '5': return '%';
    case '6': return '^';
    case '7': return '&';
    case '8': return '*';
    case '9': return '(';
    case ';': return ':';
    case '=': return '+';
    case '[': return '{';
    case '\\': return '|';
    case ']': return '}';
    case '`': return '~';
    default: return key;
    }
}

bool isModifierKey(int key)
{
    switch (key) {
    case SDLK_NUMLOCK:
    case SDLK_CAPSLOCK:
    case SDLK_RSHIFT:
    case SDLK_LSHIFT:
    case SDLK_RCTRL:
    case SDLK_LCTRL:
    case SDLK_RALT:
    case SDLK_LALT:
    case SDLK_RMETA:
    case SDLK_LMETA:
    case SDLK_LSUPER:
    case SDLK_RSUPER: return true;
    default: return false;
    }
}

int translateButton(int sdlButton)
{
    switch (sdlButton) {
    case SDL_BUTTON_LEFT: return 0;
    case SDL_BUTTON_RIGHT: return 1;
    case SDL_BUTTON_MIDDLE: return 2;
    default: return sdlButton;
    }
}
