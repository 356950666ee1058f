// The help panel: the host's controls, shown at start in the top-left
// corner, fading away by itself after a few seconds; F1 shows and hides it.
#pragma once

#include <string>
#include <vector>

#include "font_atlas.h"
#include "panel.h"
#include "quad_batch.h"
#include "theme.h"

struct HelpRowText {
    std::string keys;
    std::string action;
};

struct HelpPanel {
    std::string title;              // as the host gave it
    std::vector<HelpRowText> rows;  // empty: the panel draws nothing
    bool shown = true;
    bool fadesBySelf = true;  // the start-up showing fades; one asked for with F1 stays
    int fadeStep = 0;         // steps of the fade taken so far
};

constexpr unsigned helpFadeDelayMs = 6000;  // before the fade begins
constexpr unsigned helpFadeStepMs = 40;
constexpr int helpFadeSteps = 20;

// 1 while fully shown, falling to 0 over the fade.
float helpOpacity(const HelpPanel& help);

// Shows a hidden panel fully, or hides a shown one. Either way the panel no
// longer fades by itself.
void toggleHelp(HelpPanel& help);

// Takes one step of the fade; true when another step is due. The panel is
// hidden after the last step. Does nothing once F1 has been used.
bool advanceHelpFade(HelpPanel& help);

// Adds the panel with its top-left corner in the window's top-left corner,
// at most maxWidth wide.
void addHelpPanel(QuadBatch& batch, const FontAtlas& atlas, const Theme& theme, const HelpPanel& help,
                  int windowHeight, int maxWidth);
