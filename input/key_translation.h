// SDL keys, modifiers and buttons in the GUI library's terms.
#pragma once

#include <SDL.h>

// GUI key code (OrlinKey) of an SDL key symbol: navigation and function keys
// get Orlin's codes, keypad keys become the characters they type, Return and
// keypad Enter become orlinKeyReturn; everything else passes unchanged.
int translateKeySym(int sym);
int translateKey(const SDL_Event& event);

// GUI modifier bits (OrlinModifier: shift, control, alt, meta, caps lock).
int translateModifiers(SDLMod state);
int getModifiers();

// While a key event is handled, getModifiers reports the modifiers the event
// was typed with. SDL's live state has moved on already when keys arrive
// faster than frames are drawn: a quick Ctrl+Q would lose its Ctrl, and a
// letter typed right after releasing shift would still come out shifted.
void beginKeyEvent(SDLMod state);
void endKeyEvent();

// The character a key types with shift held on a US layout, or the key itself.
int shiftedKey(int key);

// Shift, control, alt, meta, super, num lock and caps lock: handled by the
// modifier state, never forwarded as keys of their own.
bool isModifierKey(int key);

// GUI button number of an SDL mouse button: 0 left, 1 right, 2 middle,
// anything else unchanged.
int translateButton(int sdlButton);
