// Which language the user asks for, from the settings each platform keeps.
#pragma once

#include <string>
#include <vector>

// The languages the environment asks for, most wanted first, as POSIX and
// gettext read it: every entry of LANGUAGE (a ':'-separated list), then the
// first of LC_ALL, LC_MESSAGES and LANG that is set and not empty. Null and
// empty values are skipped; "C" and "POSIX" ask for English.
std::vector<std::string> languagesFromEnvironment(const char* language, const char* lcAll, const char* lcMessages,
                                                  const char* lang);

// The catalogue names a locale or language tag can use, most specific first:
// "de_AT.UTF-8@euro" and "de-AT" give {"de_AT", "de"}; "C" and "POSIX" give
// "en". Letters are kept as written apart from '-', which becomes '_'.
std::vector<std::string> catalogueNames(const std::string& tag);
