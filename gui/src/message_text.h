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

// The lines a message takes in a panel whose text is at most `width` pixels
// wide, broken between words. A word wider than a line on its own (a long
// path) loses its leading folders as fitMessage does if that makes it fit,
// and is otherwise broken after its '/'s, or between characters, so no part
// of it is lost. At most `maxLines` lines: a longer text ends in "..." after
// the last word that fits. The lines are joined with '\n'.
std::string wrapMessage(const FontAtlas& atlas, const std::string& text, int width, int maxLines);
