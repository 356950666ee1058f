// The languages the user has asked for, most wanted first: what LANGUAGE,
// LC_ALL, LC_MESSAGES and LANG say (see language/language_choice.h), then on
// Windows the user's interface languages. The web build gets the browser's
// language in LANG, which emscripten's runtime sets from navigator.languages.
#pragma once

#include <string>
#include <vector>

std::vector<std::string> userLanguages();
