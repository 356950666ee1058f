// The languages the user has asked for, most wanted first: what LANGUAGE,
// LC_ALL, LC_MESSAGES and LANG say (see language/language_choice.h), then on
// Windows the user's interface languages. The web build has its own, in
// web/platform/user_languages.cpp: the browser's languages, in its order.
#pragma once

#include <string>
#include <vector>

std::vector<std::string> userLanguages();
