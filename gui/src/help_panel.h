// The help panel: the host's controls, shown at start in the top-left
// corner, fading away by itself after a few seconds; F1 shows and hides it.
#pragma once

#include <string>
#include <vector>

#include "library_texts.h"
#include "panel.h"
#include "quad_batch.h"

struct HelpRowText {
    std::string keys;
    std::string action;
};

struct HelpPanel {
    std::string title;              // as the host gave it
    std::vector<HelpRowText> rows;  // empty: the panel draws nothing
    // The same in a few words a row, for the compact style: in two columns
    // side by side, so the panel is short enough to sit above the scene's
    // subject in a small window. Empty: the compact style shows `rows`.
    std::vector<HelpRowText> briefRows;
    bool shown = true;
    bool fadesBySelf = true;  // the start-up showing fades; one asked for with F1 stays
    int fadeStep = 0;         // steps of the fade taken so far
    bool hintShown = false;   // "F1: help" in its corner once the start-up showing has faded
    unsigned version = 0;     // counts changes of the title and rows
};

// Left where the panel was once it has faded away by itself, until F1.
// In the user's language, as the host's translator gives it.
inline const char* helpHint()
{
    return orlinText("F1: help");
}

constexpr unsigned helpFadeDelayMs = 6000;  // before the fade begins
constexpr unsigned helpFadeStepMs = 40;
constexpr int helpFadeSteps = 20;

// 1 while fully shown, falling to 0 over the fade.
float helpOpacity(const HelpPanel& help);

// Shows a hidden panel fully, or hides a shown one. Either way the panel no
// longer fades by itself, and the hint goes.
void toggleHelp(HelpPanel& help);

// Escape: hides a shown panel for good and leaves the hint in its corner.
void closeHelp(HelpPanel& help);

// Takes one step of the fade; true when another step is due. The panel is
// hidden after the last step and the hint shown. Does nothing once F1 has
// been used.
bool advanceHelpFade(HelpPanel& help);

// The panel's size, at most maxWidth wide; nothing for no rows.
PanelBox helpPanelSize(const PanelStyle& style, const HelpPanel& help, int maxWidth);

// Adds the panel in `box`, fully opaque: its fade is applied when it is shown.
void addHelpPanel(QuadBatch& batch, const PanelStyle& style, const HelpPanel& help, const PanelBox& box);
