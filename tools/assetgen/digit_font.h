// A small stroke font for the digits 0 to 9, drawn into a coverage mask.
#pragma once

#include <string>

#include "coverage_mask.h"

struct DigitStyle {
    float glyphWidth = 6.0f;   // pixels, outer edge to outer edge of the strokes
    float glyphHeight = 9.0f;
    float spacing = 1.2f;      // between neighbouring glyphs
    float stroke = 1.6f;       // line width
};

// Total width of `digits` in this style.
float textWidth(const std::string& digits, const DigitStyle& style);
// Draws `digits` (characters '0'..'9'; others are skipped as blanks) with the
// lower-left corner of the first glyph's box at (left, bottom).
void drawDigits(CoverageMask& mask, const std::string& digits, float left, float bottom, const DigitStyle& style);
