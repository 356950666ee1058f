#include <set>
#include <string>

#include <SDL.h>
#include <gtest/gtest.h>

#include "input/input_handlers.h"
#include "input/key_translation.h"
#include "orlin_recording.h"
#include "render/depth_lighting.h"
#include "state/program_state.h"

namespace {

struct KeyRow {
    SDLKey sym;
    int gui;
};

const KeyRow keyTable[] = {
    {SDLK_RETURN, 10},    {SDLK_KP_ENTER, 10},  {SDLK_KP0, '0'},       {SDLK_KP1, '1'},      {SDLK_KP2, '2'},
    {SDLK_KP3, '3'},      {SDLK_KP4, '4'},      {SDLK_KP5, '5'},       {SDLK_KP6, '6'},      {SDLK_KP7, '7'},
    {SDLK_KP8, '8'},      {SDLK_KP9, '9'},      {SDLK_KP_PERIOD, '.'}, {SDLK_KP_DIVIDE, '/'}, {SDLK_KP_MULTIPLY, '*'},
    {SDLK_KP_MINUS, '-'}, {SDLK_KP_PLUS, '+'},  {SDLK_KP_EQUALS, '='}, {SDLK_UP, 270},       {SDLK_DOWN, 271},
    {SDLK_RIGHT, 269},    {SDLK_LEFT, 268},     {SDLK_INSERT, 276},    {SDLK_HOME, 274},     {SDLK_END, 275},
    {SDLK_PAGEUP, 272},   {SDLK_PAGEDOWN, 273}, {SDLK_F1, 256},        {SDLK_F2, 257},       {SDLK_F3, 258},
    {SDLK_F4, 259},       {SDLK_F5, 260},       {SDLK_F6, 261},        {SDLK_F7, 262},       {SDLK_F8, 263},
    {SDLK_F9, 264},       {SDLK_F10, 265},      {SDLK_F11, 266},       {SDLK_F12, 267},
};

int translated(SDLKey sym)
{
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = sym;
    return translateKey(event);
}

TEST(KeyTranslation, EveryTableRowHasItsGuiCode)
{
    for (const KeyRow& row : keyTable)
        EXPECT_EQ(translated(row.sym), row.gui) << "SDL key " << row.sym;
}

TEST(KeyTranslation, EveryOtherKeyPassesUnchanged)
{
    std::set<int> inTable;
    for (const KeyRow& row : keyTable)
        inTable.insert(row.sym);
    int passed = 0;
    for (int sym = 0; sym < SDLK_LAST; ++sym) {
        if (inTable.count(sym) != 0)
            continue;
        EXPECT_EQ(translated(static_cast<SDLKey>(sym)), sym);
        ++passed;
    }
    // Letters, digits, punctuation, F13 to F15, the modifier keys and the rest.
    EXPECT_EQ(passed, SDLK_LAST - 39);
    for (SDLKey sym : {SDLK_BACKSPACE, SDLK_TAB, SDLK_ESCAPE, SDLK_DELETE, SDLK_F13, SDLK_F15, SDLK_SCROLLOCK,
                       SDLK_LSHIFT, SDLK_a, SDLK_1})
        EXPECT_EQ(translated(sym), static_cast<int>(sym));
}

TEST(KeyTranslation, EveryModifierCombinationFromEitherSide)
{
    struct Side {
        const char* name;
        SDLMod shift, ctrl, alt, meta;
    };
    const Side sides[] = {
        {"left", KMOD_LSHIFT, KMOD_LCTRL, KMOD_LALT, KMOD_LMETA},
        {"right", KMOD_RSHIFT, KMOD_RCTRL, KMOD_RALT, KMOD_RMETA},
        {"both", SDLMod(KMOD_LSHIFT | KMOD_RSHIFT), SDLMod(KMOD_LCTRL | KMOD_RCTRL), SDLMod(KMOD_LALT | KMOD_RALT),
         SDLMod(KMOD_LMETA | KMOD_RMETA)},
    };
    for (const Side& side : sides) {
        for (int bits = 0; bits < 32; ++bits) {
            int state = 0;
            if (bits & 1)
                state |= side.shift;
            if (bits & 2)
                state |= side.ctrl;
            if (bits & 4)
                state |= side.alt;
            if (bits & 8)
                state |= side.meta;
            if (bits & 16)
                state |= KMOD_CAPS;
            // Num lock and the mode key are never reported.
            for (int ignored : {0, int(KMOD_NUM), int(KMOD_MODE), int(KMOD_NUM | KMOD_MODE)}) {
                SDL_SetModState(static_cast<SDLMod>(state | ignored));
                EXPECT_EQ(getModifiers(), bits) << side.name << " state " << (state | ignored);
            }
        }
    }
    SDL_SetModState(KMOD_NONE);
}

TEST(ButtonTranslation, LeftRightMiddleAndTheRestUnchanged)
{
    EXPECT_EQ(translateButton(SDL_BUTTON_LEFT), 0);
    EXPECT_EQ(translateButton(SDL_BUTTON_RIGHT), 1);
    EXPECT_EQ(translateButton(SDL_BUTTON_MIDDLE), 2);
    for (int other : {0, 6, 7, 8, 255})
        EXPECT_EQ(translateButton(other), other);
}

// What a typed key reaches the GUI as, through handleKeyDown.
class TypedKeyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        guiContext = new OrlinContext(640, 480, "", grey, grey, grey, grey, grey, grey, grey, grey, grey, false);
    }

    void TearDown() override
    {
        delete guiContext;
        guiContext = nullptr;
        SDL_SetModState(KMOD_NONE);
        depth = 10.0f;
    }

    // The code keyDown received, or -1 when nothing was sent.
    static int typed(int sym, int modifiers)
    {
        SDL_SetModState(static_cast<SDLMod>(modifiers));
        clearOrlinCalls();
        handleKeyDown(translateKeySym(sym));
        const std::vector<OrlinCall> downs = orlinCallsNamed("keyDown");
        return downs.size() == 1 ? downs[0].args[0] : -1;
    }

    static constexpr float grey[4] = {0.5f, 0.5f, 0.5f, 1.0f};
};

struct ShiftRow {
    char key;
    char shifted;
};

const ShiftRow shiftTable[] = {
    {'\'', '"'}, {',', '<'}, {'-', '_'}, {'.', '>'}, {'/', '?'}, {'0', ')'}, {'1', '!'},
    {'2', '@'},  {'3', '#'}, {'4', '$'}, {'5', '%'}, {'6', '^'}, {'7', '&'}, {'8', '*'},
    {'9', '('},  {';', ':'}, {'=', '+'}, {'[', '{'}, {'\\', '|'}, {']', '}'}, {'`', '~'},
};

TEST_F(TypedKeyTest, ShiftGivesTheUsSymbolOfEveryRow)
{
    for (int shift : {int(KMOD_LSHIFT), int(KMOD_RSHIFT)})
        for (const ShiftRow& row : shiftTable)
            EXPECT_EQ(typed(row.key, shift), row.shifted) << "'" << row.key << "' with shift " << shift;
}

TEST_F(TypedKeyTest, ShiftLeavesKeysOutsideItsTableAlone)
{
    for (int key : {int(SDLK_SPACE), int(SDLK_TAB), int(SDLK_BACKSPACE), int(SDLK_DELETE), int('"'), int('!'), int('{')})
        EXPECT_EQ(typed(key, KMOD_LSHIFT), key);
    EXPECT_EQ(typed(SDLK_HOME, KMOD_LSHIFT), 274);
    EXPECT_EQ(typed(SDLK_F1, KMOD_RSHIFT), 256);
}

TEST_F(TypedKeyTest, ShiftAndCapsLockMakeLettersUpperCase)
{
    for (int modifiers : {int(KMOD_LSHIFT), int(KMOD_CAPS), int(KMOD_CAPS | KMOD_RSHIFT)})
        for (char letter = 'a'; letter <= 'z'; ++letter)
            EXPECT_EQ(typed(letter, modifiers), letter - 32) << letter << " with " << modifiers;
    for (char letter = 'a'; letter <= 'z'; ++letter)
        EXPECT_EQ(typed(letter, KMOD_NONE), letter);
}

TEST_F(TypedKeyTest, CapsLockAloneLeavesDigitsAndSymbols)
{
    for (char digit = '0'; digit <= '9'; ++digit)
        EXPECT_EQ(typed(digit, KMOD_CAPS), digit);
    for (const ShiftRow& row : shiftTable)
        EXPECT_EQ(typed(row.key, KMOD_CAPS), row.key);
    // Caps lock with shift still shifts the symbols.
    EXPECT_EQ(typed('1', KMOD_CAPS | KMOD_LSHIFT), '!');
}

TEST_F(TypedKeyTest, KeypadDigitsTakeTheShiftOfTheirDigit)
{
    const std::string shiftedDigits = ")!@#$%^&*(";
    for (int n = 0; n <= 9; ++n) {
        EXPECT_EQ(typed(SDLK_KP0 + n, KMOD_LSHIFT), shiftedDigits[n]) << "keypad " << n;
        EXPECT_EQ(typed(SDLK_KP0 + n, KMOD_NONE), '0' + n) << "keypad " << n;
    }
    EXPECT_EQ(typed(SDLK_KP_MINUS, KMOD_RSHIFT), '_');
    EXPECT_EQ(typed(SDLK_KP_EQUALS, KMOD_RSHIFT), '+');
}

}  // namespace
