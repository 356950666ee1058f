// The browser's languages, most wanted first, as the user ordered them in
// the browser's settings (navigator.languages). The environment emscripten
// makes holds only the first of them, in LANG; it is the fallback for a
// browser that gives no list.
#include "platform/user_languages.h"

#include <cstdlib>

#include <emscripten.h>

#include "language/language_choice.h"

std::vector<std::string> userLanguages()
{
    char list[512] = {};
    EM_ASM(
        {
            var tags = (typeof navigator !== "undefined" && navigator.languages && navigator.languages.length)
                           ? navigator.languages
                           : [(typeof navigator !== "undefined" && navigator.language) || ""];
            stringToUTF8(Array.prototype.join.call(tags, ":"), $0, $1);
        },
        list, sizeof list);
    // Joined by ':' as LANGUAGE is, so it splits the same way.
    std::vector<std::string> wanted = languagesFromEnvironment(list, nullptr, nullptr, nullptr);
    if (wanted.empty())
        wanted = languagesFromEnvironment(std::getenv("LANGUAGE"), std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                                          std::getenv("LANG"));
    return wanted;
}
