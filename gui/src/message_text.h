// A host's message made to fit its panel: a path in it loses its leading
// folders first, so what it names stays whole.
#pragma once

#include <string>

#include "font_atlas.h"

// `text` if it is at most `width` pixels wide. Otherwise the folders of its
// last path (the run of text without spaces holding the last '/') are
// replaced from the left by "...", one at a time, until it fits; a text that
// still does not fit keeps its shortest form and is cut off where it is drawn.
std::string fitMessage(const FontAtlas& atlas, const std::string& text, int width);
